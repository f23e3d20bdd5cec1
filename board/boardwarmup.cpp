#include "boardwarmup.h"

#include "boarddesign.h"
#include "boardlabel.h"
#include "layout/modstretch.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <utility>

QList<BoardCaption> BoardCaptions(const LiveSettings &settings, const QScreen *screen)
{
    QWidget scratch;
    const BoardDesign design = CreateBoardControls(&scratch, LoadBoardDesign());
    // As the board fills them in before it records its layout.
    ShowBoardTexts(design, settings);
    scratch.resize(design.clientSize);
    LayoutRecord layout;
    RecordLayout(layout, scratch);
    QList<QSize> sizes{design.clientSize};
    if (screen) {
        for (const QSize &size : {screen->availableGeometry().size(), screen->geometry().size()}) {
            if (!sizes.contains(size)) {
                sizes.append(size);
            }
        }
    }
    QList<BoardCaption> captions;
    for (const QSize &size : std::as_const(sizes)) {
        scratch.resize(size);
        StretchLayout(layout, scratch);
        for (const BoardLabel *label : design.labels) {
            captions.append({size, label->font(), label->text()});
        }
    }
    return captions;
}

void WarmUpBoardText(const LiveSettings &settings, const QScreen *screen)
{
    // A font's glyphs are kept with the font whatever they are drawn on: one pixel will do. Opaque,
    // as a window is, so that they are drawn as for one.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    for (const BoardCaption &caption : BoardCaptions(settings, screen)) {
        painter.setFont(caption.font);
        painter.drawText(QPointF(0, 0), caption.text);
    }
}
