#pragma once

#include <QString>

// The desktop's text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasText() const = 0;
    virtual QString text() const = 0;
    virtual void clear() = 0;
    virtual void setText(const QString& text) = 0;
};

class QtClipboard : public Clipboard {
public:
    bool hasText() const override;
    QString text() const override;
    void clear() override;
    void setText(const QString& text) override;
};
