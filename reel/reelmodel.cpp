#include "reel/reelmodel.h"

#include "reel/int16.h"

#include <cmath>
#include <stdexcept>

namespace reel {

std::int16_t pictureOffset(std::int16_t position)
{
    return int16::add(int16::mul(position, kCellTwips), kTopAtPositionZero);
}

namespace {

// The offset is stored in the reel's field right before the picture moves,
// so the field always tells where the picture was last put.
void showPosition(ReelFields reel, MainView &view)
{
    reel.top = pictureOffset(reel.pos);
    view.setPictureTop(reel.picture, reel.top);
}

} // namespace

void stepUp(ReelFields reel, MainView &view)
{
    if (reel.pos == 0)
        reel.pos = kLastPosition;
    reel.pos = int16::sub(reel.pos, 1);
    showPosition(reel, view);
}

void stepDown(ReelFields reel, MainView &view)
{
    if (reel.pos == kLastPosition)
        reel.pos = 0;
    reel.pos = int16::add(reel.pos, 1);
    showPosition(reel, view);
}

void spinTick(ReelFields reel, MainView &view)
{
    reel.pos = int16::add(reel.pos, 1);
    if (reel.pos > kLastPosition)
        reel.pos = 1;
    showPosition(reel, view);
    // The picture already shows 21; the counter wraps only now, so the next
    // tick goes to 1 without ever showing offset(0).
    if (reel.pos == kLastPosition)
        reel.pos = 0;
}

std::int16_t topRowCell(float top)
{
    const double exact = (static_cast<double>(top) - kTopAtPositionZero) / kCellTwips;
    if (!std::isfinite(exact))
        throw std::overflow_error("picture top is not a number");
    // nearbyint rounds halves to even under the default rounding mode.
    const double rounded = std::nearbyint(exact);
    if (rounded < int16::kMin || rounded > int16::kMax)
        throw std::overflow_error("picture position leaves 16 bits");
    std::int16_t position = static_cast<std::int16_t>(rounded);
    if (position == 0)
        position = kLastPosition;
    return int16::sub(kLastPosition + 1, position);
}

} // namespace reel
