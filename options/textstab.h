#pragma once

#include <QWidget>

class QLineEdit;
struct LiveSettings;

// Lets the operator type no more than `limit` characters while keeping a longer text that was
// put there: the box never grows past the longer of the two.
void SetTypingLimit(QLineEdit &edit, const QString &text, int limit);

// The "Text Cotrols" tab: the board's title and the two team names.
class TextsTab : public QWidget
{
    Q_OBJECT

public:
    explicit TextsTab(QWidget *parent = nullptr);

    void load(const LiveSettings &settings);
    void store(LiveSettings &settings) const;

private:
    QLineEdit *m_txtTitleText = nullptr;
    QLineEdit *m_txtHomeText = nullptr;
    QLineEdit *m_txtGuestText = nullptr;
};
