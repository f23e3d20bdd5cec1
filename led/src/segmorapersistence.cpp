// Keeping a digit's properties in a PropertyBag.
#include "segmora_p.h"

#include <limits>
#include <variant>

namespace {

// Reads an integer property of the given width; nullopt when the stored value is not one.
template<typename T>
std::optional<T> readInteger(const PropertyBag &bag, const QString &name, T defaultValue)
{
    const QVariant value = bag.ReadProperty(name, QVariant(static_cast<qlonglong>(defaultValue)));
    bool ok = false;
    const double asDouble = value.toDouble(&ok);
    if (!ok || value.typeId() == QMetaType::QString || value.typeId() == QMetaType::Bool) {
        return std::nullopt;
    }
    if (asDouble != static_cast<double>(static_cast<qlonglong>(asDouble))
        || asDouble < static_cast<double>(std::numeric_limits<T>::min())
        || asDouble > static_cast<double>(std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(asDouble);
}

} // namespace

const std::array<Segmora::Private::StoredProperty, 6> Segmora::Private::StoredProperties{{
    {"PDigitRatio", &Segmora::Private::digitRatio, DefaultDigitRatio},
    {"PLEDType", &Segmora::Private::ledType, DefaultLEDType},
    {"PSize", &Segmora::Private::size, DefaultSize},
    {"PLitColor", &Segmora::Private::litColor, DefaultLitColor},
    {"PBackColor", &Segmora::Private::backColor, DefaultBackColor},
    {"PCaption", &Segmora::Private::caption, DefaultCaption},
}};

bool Segmora::ReadProperties(const PropertyBag &bag, QString *error)
{
    // Values are taken as stored, without the setters' limits. A value that cannot be read
    // stops the reading; what was read before it stays, and the digit is made whole either way.
    const char *failed = nullptr;
    for (const Private::StoredProperty &property : Private::StoredProperties) {
        const bool read = std::visit(
            [&](auto field) {
                using T = std::remove_cvref_t<decltype(d.get()->*field)>;
                const auto value = readInteger<T>(
                    bag, QLatin1String(property.name), static_cast<T>(property.defaultValue));
                if (value) {
                    d.get()->*field = *value;
                }
                return value.has_value();
            },
            property.field);
        if (!read) {
            failed = property.name;
            break;
        }
    }

    d->applyDigitRatio();
    if (!d->isCircle()) {
        d->hideAllDots();
    }
    ReCalcSizes();
    d->refreshDotColors();
    update();
    if (failed && error) {
        *error = QStringLiteral("Stored property %1 is not an integer of its stored width")
                     .arg(QLatin1String(failed));
    }
    return !failed;
}

void Segmora::WriteProperties(PropertyBag &bag) const
{
    for (const Private::StoredProperty &property : Private::StoredProperties) {
        const int value
            = std::visit([this](auto field) { return int(d.get()->*field); }, property.field);
        bag.WriteProperty(QLatin1String(property.name), value, property.defaultValue);
    }
}
