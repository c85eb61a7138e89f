#include "Vexbus/EditBoxValidator.h"

#include "Vexbus/EditBox.h"

#include <algorithm>

EditBoxValidator::EditBoxValidator(EditBox* edit) : QValidator(edit), m_edit(edit)
{
}

QValidator::State EditBoxValidator::validate(QString& input, int& pos) const
{
    if (m_edit->UpperCase())
        input = input.toUpper();
    pos = std::clamp(pos, 0, static_cast<int>(input.size()));
    if (!m_edit->IsUserInput())
        return Acceptable;

    // What the user just inserted ends at the cursor; cut it from its end until the text fits.
    const int before = static_cast<int>(m_edit->PreviousText().size());
    const int room = std::max(m_edit->GetLimitText(), before);
    const int excess = std::min(static_cast<int>(input.size()) - room, pos);
    if (excess > 0) {
        input.remove(pos - excess, excess);
        pos -= excess;
    }
    if (!m_edit->AutoHScroll()) {
        const int inserted = std::min(pos, static_cast<int>(input.size()) - before);
        if (inserted > 0) {
            const int cut = inserted - FittingCount(input, pos - inserted, inserted);
            input.remove(pos - cut, cut);
            pos -= cut;
        }
    }
    return Acceptable;
}

int EditBoxValidator::FittingCount(const QString& input, int from, int count) const
{
    const auto fits = [&](int kept) {
        QString text = input.left(from + kept);
        text += QStringView(input).mid(from + count);
        return m_edit->FitsWidth(text);
    };
    // A paste may be far longer than what fits: the texts measured stay about as long as the
    // result, growing the count by doubling and then halving the gap.
    int fitting = 0;
    int over = count + 1;
    while (fitting < count) {
        const int next = std::min(std::max(2 * fitting, 1), count);
        if (!fits(next)) {
            over = next;
            break;
        }
        fitting = next;
    }
    while (over - fitting > 1) {
        const int middle = fitting + (over - fitting) / 2;
        (fits(middle) ? fitting : over) = middle;
    }
    return fitting;
}
