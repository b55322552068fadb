#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Raster.h"
#include "platform/Services.h"

struct Globals;
struct LetterGlyph;

// The full-screen canvas: the letters typed over the background picture.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(Globals& globals, Services& services, std::function<bool()> tinksTicked,
          QWidget* parent = nullptr);

    // Creates the canvas, runs its load and shows it over the whole primary
    // screen. Returns nullptr when the load failed; the canvas has then
    // reported and closed itself.
    static Form1* Show(Globals& globals, Services& services, std::function<bool()> tinksTicked);
};
