#pragma once

#include <QLineEdit>

// A single-line edit that behaves as the dialog's edit controls: optional upper case for every
// text that enters, and limits (a character count and, without automatic scrolling, the
// visible width) that bind what the user types or pastes but never text the program sets.
class EditBox : public QLineEdit {
    Q_OBJECT

public:
    EditBox(QWidget* parent, bool upperCase, bool autoHScroll);

    void SetLimitText(int limit);
    int GetLimitText() const { return m_limit; }

    bool UpperCase() const { return m_upperCase; }
    bool AutoHScroll() const { return m_autoHScroll; }
    bool IsUserInput() const { return m_userInput; }
    // The text as it was before the change now being validated.
    const QString& PreviousText() const { return m_previousText; }
    bool FitsWidth(const QString& text) const;

signals:
    // After every change of the text, by the user or the program.
    void Changed();
    void FocusIn();

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void OnTextChanged(const QString& text);

    bool m_upperCase;
    bool m_autoHScroll;
    int m_limit = 30000;
    bool m_userInput = false;
    QString m_previousText;
};
