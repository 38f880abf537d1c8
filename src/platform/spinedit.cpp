#include "platform/spinedit.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace zentrel::platform {

namespace {

// Which arrows work for a value between two limits.
template <typename T>
QAbstractSpinBox::StepEnabled stepsWithin(T value, T bottom, T top)
{
    QAbstractSpinBox::StepEnabled enabled = QAbstractSpinBox::StepNone;
    if (value < top)
        enabled |= QAbstractSpinBox::StepUpEnabled;
    if (value > bottom)
        enabled |= QAbstractSpinBox::StepDownEnabled;
    return enabled;
}

bool isPartialNumber(const QString& text)
{
    return text.isEmpty() || text == u"+" || text == u"-" || text == u"." || text == u"+."
        || text == u"-.";
}

// A whole number of ASCII digits with an optional sign; nullopt for anything else or one too
// long for 64 bits.
std::optional<long long> parseWhole(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = text.trimmed();
    if (!pattern.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    return ok ? std::optional<long long>(v) : std::nullopt;
}

int saturate(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

struct Decimal {
    double value;
    int fractionDigits;
};

// Digits with an optional sign and decimal point ("1", "1.", ".5", "-2.25"); no exponent, no
// "inf" or "nan", no group separators.
std::optional<Decimal> parseDecimal(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?([0-9]+\\.?([0-9]*)|\\.([0-9]+))$"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch match = pattern.match(t);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    const int fraction = static_cast<int>(match.capturedLength(2) + match.capturedLength(3));
    return Decimal{v, fraction};
}

} // namespace

// ---------------------------------------------------------------- IntSpinEdit

IntSpinEdit::IntSpinEdit(QWidget* parent) : QSpinBox(parent)
{
    setLocale(QLocale::c());
    // The base range is never in the way; the bounds are enforced here.
    QSpinBox::setRange(INT_MIN, INT_MAX);
    QSpinBox::setValue(0);
}

int IntSpinEdit::clamped(int v) const
{
    return isBounded() ? std::max(lower_, std::min(v, upper_)) : v;
}

void IntSpinEdit::setBounds(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    if (isBounded())
        setValue(value());
}

int IntSpinEdit::value() const
{
    return valueFromText(cleanText());
}

void IntSpinEdit::setValue(int v)
{
    QSpinBox::setValue(clamped(v)); // also rewrites the text when the value is unchanged
}

void IntSpinEdit::stepBy(int steps)
{
    setValue(saturate(static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep()));
    selectAll();
}

QValidator::State IntSpinEdit::validate(QString& input, int&) const
{
    const QString t = input.trimmed();
    if (t.isEmpty() || t == u"+" || t == u"-")
        return QValidator::Intermediate;
    const auto v = parseWhole(t);
    if (!v || *v < INT_MIN || *v > INT_MAX)
        return QValidator::Invalid;
    return QValidator::Acceptable; // outside the bounds too: clamped when the box is left
}

void IntSpinEdit::fixup(QString& input) const
{
    input = textFromValue(valueFromText(input));
}

int IntSpinEdit::valueFromText(const QString& text) const
{
    const auto v = parseWhole(text);
    return v ? clamped(saturate(*v)) : lower_;
}

QString IntSpinEdit::textFromValue(int v) const
{
    return QString::number(v);
}

QAbstractSpinBox::StepEnabled IntSpinEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone
                        : stepsWithin(value(), isBounded() ? lower_ : INT_MIN, isBounded() ? upper_ : INT_MAX);
}

void IntSpinEdit::commit()
{
    setValue(value());
}

void IntSpinEdit::focusOutEvent(QFocusEvent* event)
{
    commit(); // before the base class emits editingFinished
    QSpinBox::focusOutEvent(event);
}

void IntSpinEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!isReadOnly()) {
            const long long dir = event->key() == Qt::Key_PageUp ? 1 : -1;
            setValue(saturate(static_cast<long long>(value()) + dir * largeStep_));
            selectAll();
        }
        event->accept();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        commit();
        break;
    default:
        break;
    }
    QSpinBox::keyPressEvent(event);
}

// ---------------------------------------------------------------- DecimalSpinEdit

DecimalSpinEdit::DecimalSpinEdit(QWidget* parent) : QDoubleSpinBox(parent)
{
    setLocale(QLocale::c());
    QDoubleSpinBox::setDecimals(2);
    QDoubleSpinBox::setRange(-unboundedLimit, unboundedLimit);
    QDoubleSpinBox::setValue(0);
}

double DecimalSpinEdit::clamped(double v) const
{
    if (isBounded())
        return std::max(lower_, std::min(v, upper_));
    return std::clamp(v, -unboundedLimit, unboundedLimit);
}

void DecimalSpinEdit::setBounds(double lower, double upper)
{
    lower_ = lower;
    upper_ = upper;
    QDoubleSpinBox::setRange(std::min({-unboundedLimit, lower, upper}),
                             std::max({unboundedLimit, lower, upper}));
    if (isBounded())
        setValue(value());
}

void DecimalSpinEdit::setDecimals(int decimals)
{
    QDoubleSpinBox::setDecimals(decimals);
    setBounds(lower_, upper_); // the base rounds its range to the new decimals
}

double DecimalSpinEdit::value() const
{
    return valueFromText(cleanText());
}

void DecimalSpinEdit::setValue(double v)
{
    QDoubleSpinBox::setValue(clamped(v));
}

void DecimalSpinEdit::step(double amount)
{
    setValue(value() + amount);
    selectAll();
}

void DecimalSpinEdit::stepBy(int steps)
{
    step(steps * singleStep());
}

QValidator::State DecimalSpinEdit::validate(QString& input, int&) const
{
    const QString t = input.trimmed();
    if (isPartialNumber(t))
        return QValidator::Intermediate;
    const auto d = parseDecimal(t);
    if (!d || d->fractionDigits > decimals())
        return QValidator::Invalid;
    const double limit = std::max({unboundedLimit, std::abs(lower_), std::abs(upper_)});
    if (std::abs(d->value) > limit)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}

void DecimalSpinEdit::fixup(QString& input) const
{
    input = textFromValue(valueFromText(input));
}

double DecimalSpinEdit::valueFromText(const QString& text) const
{
    const auto d = parseDecimal(text);
    return clamped(d ? d->value : lower_);
}

QString DecimalSpinEdit::textFromValue(double v) const
{
    const double scale = std::pow(10.0, decimals());
    double shown = std::round(v * scale) / scale;
    if (shown == 0)
        shown = 0; // no "-0.00"
    return QString::number(shown, 'f', decimals());
}

QAbstractSpinBox::StepEnabled DecimalSpinEdit::stepEnabled() const
{
    return isReadOnly() ? StepNone
                        : stepsWithin(value(), isBounded() ? lower_ : -unboundedLimit,
                                      isBounded() ? upper_ : unboundedLimit);
}

void DecimalSpinEdit::commit()
{
    setValue(value());
}

void DecimalSpinEdit::focusOutEvent(QFocusEvent* event)
{
    commit();
    QDoubleSpinBox::focusOutEvent(event);
}

void DecimalSpinEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!isReadOnly())
            step(event->key() == Qt::Key_PageUp ? largeStep_ : -largeStep_);
        event->accept();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        commit();
        break;
    default:
        break;
    }
    QDoubleSpinBox::keyPressEvent(event);
}

} // namespace zentrel::platform
