#include "canvas/Form1.h"

Form1::Form1(Globals&, Services&, std::function<bool()>, QWidget* parent) : QWidget(parent) {}

Form1* Form1::Show(Globals&, Services&, std::function<bool()>) { return nullptr; }
