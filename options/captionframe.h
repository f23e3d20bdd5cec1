#pragma once

#include <QString>
#include <QWidget>

// A frame whose caption sits in its top border, which runs through the middle of the caption's
// line. The designed windows place their controls from that line's height on, inside the frame;
// a group box's border would run across them.
class CaptionFrame : public QWidget
{
public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
