#pragma once

#include <QWidget>

class QComboBox;
struct LiveSettings;

// The "Language" page: the system's language or one of the program's, in force from the next
// start, since every window takes its texts as it is made.
class LanguageTab : public QWidget
{
    Q_OBJECT

public:
    explicit LanguageTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    // Writes the chosen language; an untouched choice keeps the stored value as it was.
    void store(LiveSettings &settings) const;

private:
    QComboBox *m_cboLanguage = nullptr;
    int m_loadedIndex = 0;
};
