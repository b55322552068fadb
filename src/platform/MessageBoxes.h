#pragma once

#include <QString>

// Modal message boxes: the program's title, no icon, and either an OK button
// or the Yes and No buttons.
class MessageBoxes {
  public:
    enum class Answer { Yes, No };

    virtual ~MessageBoxes() = default;
    virtual void inform(const QString& text) = 0;
    virtual Answer ask(const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void inform(const QString& text) override;
    Answer ask(const QString& text) override;
};
