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
        while (pos > 0 && input.size() > before && !m_edit->FitsWidth(input)) {
            input.remove(pos - 1, 1);
            --pos;
        }
    }
    return Acceptable;
}
