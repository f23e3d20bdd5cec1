// The board's layout drawn with Qt's QLCDNumber and QLabel, linked to nothing but Qt Widgets:
// the weight of a plain Qt board beside the program's. Reads the board's design file, puts a
// QLCDNumber where each figure's picture box is and a label where each caption is, stretches
// them with the window, and runs a 50 ms clock as the board does. bench/board_bench.sh weighs it.
//
//   lcdboard DESIGN.json        (shown maximised; the clock starts at once)
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLCDNumber>
#include <QLabel>
#include <QTimer>

#include <vector>

namespace {

class LcdBoard : public QWidget
{
public:
    explicit LcdBoard(const QJsonObject &design)
        : m_client(design.value(QStringLiteral("clientWidth")).toInt(),
            design.value(QStringLiteral("clientHeight")).toInt())
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0, 128, 0));
        setPalette(p);
        setAutoFillBackground(true);
        for (const QJsonValue &value : design.value(QStringLiteral("controls")).toArray()) {
            const QJsonObject control = value.toObject();
            const QString kind = control.value(QStringLiteral("kind")).toString();
            const QJsonArray g = control.value(QStringLiteral("geometry")).toArray();
            const QRect twips(g.at(0).toInt(), g.at(1).toInt(), g.at(2).toInt(), g.at(3).toInt());
            QWidget *widget = nullptr;
            if (kind == QLatin1String("PictureBox")) {
                const int digits = int(control.value(QStringLiteral("controls")).toArray().size());
                auto *lcd = new QLCDNumber(digits == 6 ? 5 : digits, this);
                lcd->setSegmentStyle(QLCDNumber::Filled);
                lcd->setFrameShape(QFrame::NoFrame);
                lcd->setAutoFillBackground(true);
                QPalette lp = lcd->palette();
                lp.setColor(QPalette::Window, Qt::black);
                lp.setColor(QPalette::WindowText, Qt::yellow);
                lcd->setPalette(lp);
                (digits == 6 ? m_clock : m_counters.emplace_back()) = lcd;
                widget = lcd;
            } else if (kind == QLatin1String("Label")) {
                auto *label = new QLabel(control.value(QStringLiteral("caption")).toString(), this);
                label->setAlignment(Qt::AlignCenter);
                QFont font(QStringLiteral("Arial"));
                font.setBold(true);
                font.setPointSizeF(control.value(QStringLiteral("fontSize")).toDouble());
                label->setFont(font);
                widget = label;
            } else {
                continue;
            }
            m_placed.push_back({widget, twips});
        }
        resize(m_client / 15);
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, &LcdBoard::tick);
        m_time.start();
        m_timer.start();
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        const double sx = double(width()) / m_client.width();
        const double sy = double(height()) / m_client.height();
        for (const Placed &placed : m_placed) {
            const QRect &r = placed.twips;
            placed.widget->setGeometry(
                int(r.x() * sx), int(r.y() * sy), int(r.width() * sx), int(r.height() * sy));
        }
    }

private:
    struct Placed
    {
        QWidget *widget;
        QRect twips;
    };

    void tick()
    {
        const qint64 left = std::max<qint64>(0, 600'000 - m_time.elapsed());
        const qint64 seconds = (left + 999) / 1000;
        if (m_clock) {
            m_clock->display(QStringLiteral("%1:%2")
                                 .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                                 .arg(seconds % 60, 2, 10, QLatin1Char('0')));
        }
        for (QLCDNumber *lcd : m_counters) {
            lcd->display(0);
        }
    }

    QSize m_client;
    std::vector<Placed> m_placed;
    QLCDNumber *m_clock = nullptr;
    std::vector<QLCDNumber *> m_counters;
    QTimer m_timer;
    QElapsedTimer m_time;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        return 2;
    }
    LcdBoard board(QJsonDocument::fromJson(file.readAll()).object());
    board.showMaximized();
    return QApplication::exec();
}
