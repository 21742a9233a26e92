#include "floating_messages.h"

#include "frame_geometry.h"
#include "text_buffer.h"
#include "wrapping.h"

namespace lumera {
namespace {

constexpr std::int64_t kPanelLeft = geometry::kPanelLeft;

void drawMessage(Surface& frame, const FloatingMessage& message)
{
    TextBuffer text;
    text.appendNumber(message.value);
    text.append("!!!");
    const int width = frame.textWidth(text.view());
    const bool fits = std::int64_t{message.x} + width <= kPanelLeft;
    frame.drawText(fits ? message.x : static_cast<int>(std::int64_t{message.x} - width), message.y, text.view());
}

} // namespace

void queueFloatingMessage(FloatingMessages& messages, std::int32_t value, std::int32_t x, std::int32_t y)
{
    for (FloatingMessage& slot : messages) {
        if (slot.value != 0) continue;
        slot = FloatingMessage{value, x, y, 1, 20};
        return;
    }
}

void advanceFloatingMessages(Surface& frame, FloatingMessages& messages, bool messagesOff)
{
    frame.setFontColour(kWhite);
    frame.setBrushColour(kBlack);
    for (FloatingMessage& message : messages) {
        if (message.value == 0) continue;
        frame.setFontColour(kWhite);
        frame.setFontSize(message.value);
        if (!messagesOff && message.blink != 0) drawMessage(frame, message);
        message.blink = wrappingSubtract(message.blink, 1);
        if (message.blink < 0) message.blink = 2;
        message.y = wrappingSubtract(message.y, 4 + std::int64_t{message.value / 5});
        message.life = wrappingSubtract(message.life, 1);
        if (message.life < 0) message.value = 0;
    }
}

} // namespace lumera
