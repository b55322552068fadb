#pragma once

#include <QString>

class QWidget;

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

// Modal message boxes: no icon, the application title, OK or Yes/No.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgAnswer show(const QString& text, MsgButtons buttons = MsgButtons::Ok) = 0;
};

class QtMessageBoxService : public MessageBoxService {
public:
    MsgAnswer show(const QString& text, MsgButtons buttons) override;
};
