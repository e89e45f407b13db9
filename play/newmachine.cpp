#include "play/newmachine.h"

#include "machine/generator.h"

#include <algorithm>

namespace play {

namespace {
// The hidden setting's draw has a stream of its own, apart from the machine's.
constexpr std::uint64_t kSettingStream = 0x5e77;
} // namespace

NewMachine newMachine(const MachineChoice &choice, std::uint64_t anySeed)
{
    NewMachine made;
    made.seed = choice.seed.value_or(anySeed);
    made.settingShown = choice.setting.has_value();
    made.setting = choice.setting
        ? std::clamp(*choice.setting, 1, 6)
        : 1 + static_cast<int>(machine::Generator(made.seed, kSettingStream).below(6));
    return made;
}

} // namespace play
