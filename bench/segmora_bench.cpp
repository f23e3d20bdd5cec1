// Repaint cost of the LED digit beside Qt's QLCDNumber of the same pixel size, in one run.
// Prints microseconds per repaint (median of batches) and the ratio ours / QLCDNumber.
#include <segmora/segmora.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLCDNumber>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Batches = 15;
constexpr int PerBatch = 200;

// Median microseconds of one call of `step`, which must change the shown value and repaint.
double medianMicros(const std::function<void(int)> &step)
{
    for (int i = 0; i < PerBatch; ++i) {
        step(i); // warm up caches and the backing store
    }
    std::vector<double> samples;
    int counter = 0;
    for (int b = 0; b < Batches; ++b) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < PerBatch; ++i) {
            step(counter++);
        }
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0 / PerBatch);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

QLCDNumber *makeLcd(QWidget *parent, int digits, QSize size)
{
    auto *lcd = new QLCDNumber(digits, parent);
    lcd->setSegmentStyle(QLCDNumber::Filled);
    lcd->setFrameShape(QFrame::NoFrame);
    lcd->setFixedSize(size);
    return lcd;
}

void report(const char *what, double ours, double theirs)
{
    std::printf("%-34s segmora %8.2f us   QLCDNumber %8.2f us   ratio %.2f\n", what, ours, theirs,
        ours / theirs);
}

void benchOneDigit(int size)
{
    QWidget host;
    auto *digit = new Segmora(&host);
    digit->setSize(size);
    auto *lcd = makeLcd(&host, 1, digit->size());
    lcd->move(digit->width() + 10, 0);
    host.resize(digit->width() * 2 + 20, digit->height());
    host.show();
    QCoreApplication::processEvents();

    const double ours = medianMicros([&](int i) {
        digit->setCaption(i % 10);
        digit->repaint();
    });
    const double theirs = medianMicros([&](int i) {
        lcd->display(i % 10);
        lcd->repaint();
    });
    const QByteArray label = QByteArray("one digit, Size ") + QByteArray::number(size);
    report(label.constData(), ours, theirs);
}

void benchClock()
{
    // Four clock digits of the board's clock (Size 65) against a five-position QLCDNumber
    // ("10:00") of the same width and height.
    QWidget host;
    QWidget clock(&host);
    Segmora *digits[4];
    int x = 0;
    for (auto *&digit : digits) {
        digit = new Segmora(&clock);
        digit->setSize(65);
        digit->move(x, 0);
        x += digit->width() + 14;
    }
    clock.resize(x, digits[0]->height());
    auto *lcd = makeLcd(&host, 5, clock.size());
    lcd->move(0, clock.height() + 10);
    host.resize(clock.width(), clock.height() * 2 + 10);
    host.show();
    QCoreApplication::processEvents();

    const double ours = medianMicros([&](int i) {
        const int seconds = 3599 - (i % 3600);
        digits[0]->setCaption(seconds / 600);
        digits[1]->setCaption(seconds / 60 % 10);
        digits[2]->setCaption(seconds % 60 / 10);
        digits[3]->setCaption(seconds % 10);
        clock.repaint();
    });
    const double theirs = medianMicros([&](int i) {
        const int seconds = 3599 - (i % 3600);
        lcd->display(QStringLiteral("%1:%2")
                         .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                         .arg(seconds % 60, 2, 10, QLatin1Char('0')));
        lcd->repaint();
    });
    report("four-digit clock update, Size 65", ours, theirs);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    benchOneDigit(45);
    benchOneDigit(300);
    benchClock();
    return 0;
}
