#include "karoskop/ui/positionfield.h"

#include <QValidator>

namespace karoskop {

namespace {

// Checks typed and pasted text only; setText() bypasses it, which is what
// lets a longer recalled line stand.
class OneCapitalValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override
    {
        const QString upper = input.toUpper();
        if (upper.size() == input.size()) {
            input = upper; // a letter whose capital is longer stays as typed
        }
        return input.size() <= 1 ? Acceptable : Invalid;
    }
};

} // namespace

PositionField::PositionField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new OneCapitalValidator(this));
    setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(16);
    setFont(f);
    setTextMargins(0, 0, 0, 0);
}

} // namespace karoskop
