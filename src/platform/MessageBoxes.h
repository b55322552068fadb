#pragma once

#include <QString>

// Message boxes: the program's title, no icon, and either an OK button or
// the Yes and No buttons.
class MessageBoxes {
  public:
    // Dismissed: closed with Esc or the window's close button, neither Yes nor No.
    enum class Answer { Yes, No, Dismissed };

    virtual ~MessageBoxes() = default;
    // Modal, with OK.
    virtual void inform(const QString& text) = 0;
    // Modal, with Yes and No.
    virtual Answer ask(const QString& text) = 0;
    // With OK, but without taking the keyboard from the window below it:
    // typing goes on while it is up.
    virtual void notify(const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void inform(const QString& text) override;
    Answer ask(const QString& text) override;
    void notify(const QString& text) override;
};
