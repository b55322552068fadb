#pragma once

#include <QString>
#include <optional>

// The desktop's text clipboard.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's text; nullopt when it holds none.
    virtual std::optional<QString> text() const = 0;
    virtual void setText(const QString& text) = 0;
};

class QtClipboard final : public Clipboard {
  public:
    std::optional<QString> text() const override;
    void setText(const QString& text) override;
};
