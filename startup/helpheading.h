#pragma once

#include <QLabel>

// A heading of the help window: a label that a screen reader finds as a heading, so that the
// reader can jump from section to section.
class HelpHeading final : public QLabel
{
    Q_OBJECT

public:
    explicit HelpHeading(const QString &text, QWidget *parent = nullptr);
};
