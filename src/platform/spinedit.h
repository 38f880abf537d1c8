#pragma once
// Spin boxes with the rules the dialogs rely on:
// - equal bounds (the default 0, 0) mean no limits;
// - otherwise a value set by the program, a step and leaving the box clamp into the bounds
//   (the lower bound wins should the upper one lie below it), and changing the bounds clamps
//   the current value;
// - typing is limited to the characters of a number, but a number outside the bounds may be
//   typed and is clamped only when the box is left (focus out or Enter);
// - value() interprets the text at once: a text that is no number reads as the lower bound,
//   a number outside the bounds as the bound it will be clamped to.
// Texts are read and written in the C locale, whatever the system's.
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace zentrel::platform {

class IntSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit IntSpinEdit(QWidget* parent = nullptr);

    void setBounds(int lower, int upper);
    void setLowerBound(int lower) { setBounds(lower, upper_); }
    void setUpperBound(int upper) { setBounds(lower_, upper); }
    int lowerBound() const { return lower_; }
    int upperBound() const { return upper_; }
    bool isBounded() const { return lower_ != upper_; }

    // PageUp / PageDown step (10 unless set).
    void setLargeStep(int step) { largeStep_ = step; }
    int largeStep() const { return largeStep_; }

    // Hide QSpinBox's own, so that the bounds above are the only ones.
    int value() const;
    void setValue(int value);
    void setMinimum(int lower) { setLowerBound(lower); }
    void setMaximum(int upper) { setUpperBound(upper); }
    void setRange(int lower, int upper) { setBounds(lower, upper); }
    int minimum() const { return lower_; }
    int maximum() const { return upper_; }

    int clamped(int value) const;
    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void commit(); // clamps the typed text, as leaving the box does

    int lower_ = 0;
    int upper_ = 0;
    int largeStep_ = 10;
};

class DecimalSpinEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    // The limits of a box without bounds.
    static constexpr double unboundedLimit = 1e9;

    explicit DecimalSpinEdit(QWidget* parent = nullptr);

    void setBounds(double lower, double upper);
    void setLowerBound(double lower) { setBounds(lower, upper_); }
    void setUpperBound(double upper) { setBounds(lower_, upper); }
    double lowerBound() const { return lower_; }
    double upperBound() const { return upper_; }
    bool isBounded() const { return lower_ != upper_; }

    void setLargeStep(double step) { largeStep_ = step; }
    double largeStep() const { return largeStep_; }

    double value() const;
    void setValue(double value);
    void setMinimum(double lower) { setLowerBound(lower); }
    void setMaximum(double upper) { setUpperBound(upper); }
    void setRange(double lower, double upper) { setBounds(lower, upper); }
    double minimum() const { return lower_; }
    double maximum() const { return upper_; }
    // More decimals than these cannot be typed; default 2.
    void setDecimals(int decimals);

    double clamped(double value) const;
    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void commit();
    void step(double amount);

    double lower_ = 0;
    double upper_ = 0;
    double largeStep_ = 1.0;
};

} // namespace zentrel::platform
