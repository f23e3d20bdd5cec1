#include "boarddesign.h"

#include "board/boardlabel.h"
#include "board/boardshape.h"
#include "board/digitgroup.h"
#include "layout/twips.h"
#include "settings/livesettings.h"

#include <segmora/propertybag.h>
#include <segmora/segmora.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <utility>

namespace {

// The captions of the design data, shown in the operator's language; listed here for lupdate.
[[maybe_unused]] const char *const Captions[] = {
    QT_TRANSLATE_NOOP("BoardDesign", "HOME"),
    QT_TRANSLATE_NOOP("BoardDesign", "VISITOR"),
    QT_TRANSLATE_NOOP("BoardDesign", "PERIOD"),
    QT_TRANSLATE_NOOP("BoardDesign", "SHOTS"),
    QT_TRANSLATE_NOOP("BoardDesign", "C/K"),
    QT_TRANSLATE_NOOP("BoardDesign", "SAVES"),
};

// The same captions as a screen reader says them: in full, where the board may abbreviate.
constexpr const char *Spoken = "spoken by a screen reader";
[[maybe_unused]] const struct
{
    const char *source;
    const char *comment;
} SpokenCaptions[] = {
    QT_TRANSLATE_NOOP3("BoardDesign", "PERIOD", "spoken by a screen reader"),
    QT_TRANSLATE_NOOP3("BoardDesign", "SHOTS", "spoken by a screen reader"),
    QT_TRANSLATE_NOOP3("BoardDesign", "C/K", "spoken by a screen reader"),
    QT_TRANSLATE_NOOP3("BoardDesign", "SAVES", "spoken by a screen reader"),
};

QRect geometryOf(const QJsonObject &control)
{
    const QJsonArray g = control.value(QLatin1String("geometry")).toArray();
    return TwipsRect(g.at(0).toInt(), g.at(1).toInt(), g.at(2).toInt(), g.at(3).toInt());
}

QString nameOf(const QJsonObject &control)
{
    return control.value(QLatin1String("name")).toString();
}

class Builder
{
public:
    Builder(BoardDesign &design, QFont font)
        : m_design(design)
        , m_font(std::move(font))
    {
    }

    void create(QWidget *parent, DigitGroup *group, const QJsonObject &control)
    {
        const QString kind = control.value(QLatin1String("kind")).toString();
        QWidget *widget = nullptr;
        if (kind == QLatin1String(Segmora::PublishedName)) {
            widget = createDigit(group, control);
        } else if (kind == QLatin1String("Label")) {
            widget = createLabel(parent, control);
        } else if (kind == QLatin1String("Shape")) {
            widget = createShape(parent, control);
        } else if (kind == QLatin1String("PictureBox")) {
            widget = createGroup(parent, control);
        }
        Q_ASSERT_X(widget, "CreateBoardControls", "unknown kind of control in the design data");
    }

private:
    QWidget *createDigit(DigitGroup *group, const QJsonObject &control)
    {
        auto *digit = new Segmora(group);
        digit->setObjectName(nameOf(control));
        const int index = control.value(QLatin1String("index")).toInt();
        digit->setProperty("index", index);
        const JsonPropertyBag bag(control.value(QLatin1String("properties")).toObject());
        [[maybe_unused]] const bool loaded = digit->ReadProperties(bag);
        Q_ASSERT(loaded);
        const QJsonArray position = control.value(QLatin1String("position")).toArray();
        digit->move(TwipsToPixels(position.at(0).toInt()), TwipsToPixels(position.at(1).toInt()));
        group->addDigit(digit, index);
        if (group->groupName().isEmpty()) {
            group->setGroupName(digit->objectName());
            m_design.groups.insert(digit->objectName(), group);
        }
        m_design.controls.append(digit);
        return digit;
    }

    QWidget *createLabel(QWidget *parent, const QJsonObject &control)
    {
        auto *label = new BoardLabel(parent);
        label->setObjectName(nameOf(control));
        label->setFont(m_font);
        label->setFontSize(control.value(QLatin1String("fontSize")).toDouble());
        const QByteArray caption = control.value(QLatin1String("caption")).toString().toUtf8();
        label->setText(QCoreApplication::translate("BoardDesign", caption.constData()));
        m_design.spokenCaptions.insert(label->objectName(),
            QCoreApplication::translate("BoardDesign", caption.constData(), Spoken));
        label->setGeometry(geometryOf(control));
        m_design.labels.insert(label->objectName(), label);
        m_design.controls.append(label);
        return label;
    }

    QWidget *createShape(QWidget *parent, const QJsonObject &control)
    {
        const bool circle
            = control.value(QLatin1String("shape")).toString() == QLatin1String("Circle");
        auto *shape = new BoardShape(
            circle ? BoardShape::Kind::Circle : BoardShape::Kind::RoundedRectangle, parent);
        shape->setObjectName(nameOf(control));
        shape->setGeometry(geometryOf(control));
        if (circle) {
            shape->setFilled(true);
            const int index = control.value(QLatin1String("index")).toInt();
            shape->setProperty("index", index);
            if (index >= 0 && index < 2) {
                m_design.colonDots[static_cast<std::size_t>(index)] = shape;
            }
        } else {
            shape->setBorderWidth(control.value(QLatin1String("borderWidth")).toInt(1));
            m_design.frame = shape;
        }
        m_design.controls.append(shape);
        return shape;
    }

    QWidget *createGroup(QWidget *parent, const QJsonObject &control)
    {
        auto *group = new DigitGroup(parent);
        group->setObjectName(nameOf(control));
        group->setGeometry(geometryOf(control));
        m_design.groupList.append(group);
        m_design.controls.append(group);
        const QJsonArray contents = control.value(QLatin1String("controls")).toArray();
        for (const QJsonValue &child : contents) {
            create(group, group, child.toObject());
        }
        return group;
    }

    BoardDesign &m_design;
    QFont m_font;
};

} // namespace

QJsonObject LoadBoardDesign()
{
    // The resource lives in a static library, so it is registered by hand.
    Q_INIT_RESOURCE(board);
    QFile file(QStringLiteral(":/board/scoreboard.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("The board's design data is missing from the program.");
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

BoardDesign CreateBoardControls(QWidget *board, const QJsonObject &design)
{
    BoardDesign result;
    result.caption = design.value(QLatin1String("caption")).toString();
    result.clientSize = QSize(TwipsToPixels(design.value(QLatin1String("clientWidth")).toInt()),
        TwipsToPixels(design.value(QLatin1String("clientHeight")).toInt()));
    const QJsonObject fontSpec = design.value(QLatin1String("font")).toObject();
    QFont font(fontSpec.value(QLatin1String("family")).toString());
    font.setBold(fontSpec.value(QLatin1String("bold")).toBool());

    Builder builder(result, font);
    const QJsonArray controls = design.value(QLatin1String("controls")).toArray();
    for (const QJsonValue &control : controls) {
        builder.create(board, nullptr, control.toObject());
    }
    const QJsonArray order = design.value(QLatin1String("tabOrder")).toArray();
    for (const QJsonValue &name : order) {
        for (DigitGroup *group : std::as_const(result.groupList)) {
            if (group->objectName() == name.toString()) {
                result.tabOrder.append(group);
            }
        }
    }
    return result;
}

void ShowBoardTexts(const BoardDesign &design, const LiveSettings &settings)
{
    const std::pair<const char *, const QString &> shown[] = {{"lblTitle", settings.TitleText},
        {"lblHomeName", settings.HomeText}, {"lblGuestName", settings.GuestText}};
    for (const auto &[name, text] : shown) {
        if (BoardLabel *label = design.labels.value(QLatin1String(name))) {
            label->setText(text);
        }
    }
}
