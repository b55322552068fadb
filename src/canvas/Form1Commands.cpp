// The command keys: time, picture cycling, clearing and moving the picture.
#include <QFontMetrics>
#include <QLocale>
#include <QTime>
#include <cmath>

#include "canvas/Form1.h"
#include "canvas/KeyTranslation.h"
#include "canvas/PictureLoader.h"
#include "shared/Globals.h"

namespace {

// The system's long time format names the time zone too; the canvas shows
// the time of day alone, with its seconds.
QString timeOfDayFormat() {
    const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;
        kept += c;
    }
    return kept.trimmed();
}

}  // namespace

void Form1::Form_KeyDown(int16_t KeyCode, int16_t Shift) {
    const int32_t step = Shift == 1 ? 50 : 5;
    switch (KeyCode) {
        case kVkF6:
            Form_Click();
            break;
        case kVkF3:
            ShowTime();
            break;
        case kVkDown:
        case kVkUp:
        case kVkRight:
        case kVkLeft:
            MovePicture(KeyCode, step);
            break;
        case kVkF5:
            CyclePicture(+1);
            break;
        case kVkF4:
            CyclePicture(-1);
            break;
        default:
            break;
    }
}

void Form1::ShowTime() {
    const QString now = QLocale::system().toString(QTime::currentTime(), timeOfDayFormat());
    repaintDevice(TextOut(window_, CurrentX, CurrentY, now, TimeFont, ForeColor));
    CurrentX = 0;
    CurrentY += QFontMetrics(TimeFont, &window_).height();
}

void Form1::MovePicture(int16_t KeyCode, int32_t step) {
    const int32_t w = PictureInfo.Width;
    const int32_t h = PictureInfo.Height;
    const double W = clientWidth();
    const double H = clientHeight();
    switch (KeyCode) {
        case kVkDown:
            // At the lower limit the same offset is set again, and the text
            // is cleared all the same.
            if (h - PictureOffsetY - step >= H)
                PictureOffsetY += step;
            else
                PictureOffsetY = static_cast<int32_t>(std::lround(h - H));
            Form_Click();
            break;
        case kVkUp:
            if (PictureOffsetY >= step) {
                PictureOffsetY -= step;
                Form_Click();
            } else if (PictureOffsetY != 0) {
                PictureOffsetY = 0;
                Form_Click();
            }
            break;
        case kVkRight:
            if (w - PictureOffsetX - step >= W) {
                PictureOffsetX += step;
                Form_Click();
            } else if (PictureOffsetX != 0) {
                PictureOffsetX = static_cast<int32_t>(std::lround(w - W));
                Form_Click();
            }
            break;
        default:  // Left
            if (PictureOffsetX >= step) {
                PictureOffsetX -= step;
                Form_Click();
            } else if (PictureOffsetX != 0) {
                PictureOffsetX = 0;
                Form_Click();
            }
            break;
    }
}

void Form1::CyclePicture(int direction) {
    Globals& g = globals_;
    const int32_t count = g.PictureCount;
    if (count <= 0) return;  // no list: the current picture stays

    const int32_t leaving = g.PictureIndex;
    // An entry that no longer loads is passed over; once round the list at
    // most, ending at the picture being left, which is loaded afresh.
    int32_t index = leaving;
    QImage picture;
    bool loaded = false;
    for (int32_t tried = 0; tried < count && !loaded; ++tried) {
        if (direction > 0)
            index = index >= count ? 1 : index + 1;
        else
            index = index == 1 ? count : index - 1;
        loaded = !g.PictureList.value(index).isEmpty() &&
                 LoadPicture(g.PictureList.value(index), picture);
    }
    if (!loaded) return;

    SavedOffsetX[static_cast<size_t>(leaving)] = PictureOffsetX;
    SavedOffsetY[static_cast<size_t>(leaving)] = PictureOffsetY;
    g.PictureIndex = index;
    PictureOffsetX = SavedOffsetX[static_cast<size_t>(index)];
    PictureOffsetY = SavedOffsetY[static_cast<size_t>(index)];
    g.PictureFile = g.PictureList.value(index);
    BackgroundPicture = std::move(picture);
    g.FreshPicture = 1;
    repaintDevice(FillDeviceContext(window_, BackColor));
    Form_Click();
}
