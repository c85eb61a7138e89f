#pragma once

#include <QValidator>

class EditBox;

// Shapes each new text of an EditBox: upper case, and the user's insertion cut to the limits.
// It never rejects a text: the dialog's own checks decide what is valid.
class EditBoxValidator : public QValidator {
    Q_OBJECT

public:
    explicit EditBoxValidator(EditBox* edit);

    State validate(QString& input, int& pos) const override;

private:
    // How many of the `count` characters inserted at `from` the text keeps within the edit's
    // width, the last going first; none when even the text without them does not fit.
    int FittingCount(const QString& input, int from, int count) const;

    const EditBox* m_edit;
};
