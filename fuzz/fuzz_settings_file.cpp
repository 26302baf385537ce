// Feeds arbitrary bytes to the settings file parser: a block is taken only from a complete file with the right
// title and a known format version, byte for byte; anything else leaves the block as it was.
#include "FuzzCheck.h"
#include "files/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const QByteArray image(reinterpret_cast<const char*>(data), qsizetype(size));
    TConfigBlock config {};
    std::memset(BlockBytes(config), 0x5A, sizeof config);
    const TConfigBlock before = config;

    const LoadOutcome outcome = ParseSettingsImage(image, config);
    if (outcome != LoadOutcome::Loaded) {
        FUZZ_CHECK(std::memcmp(&before, &config, sizeof config) == 0);
        return 0;
    }
    FUZZ_CHECK(size >= std::size_t(kSettingsFileSize));
    FUZZ_CHECK(std::memcmp(data + 4, kSettingsTitle, sizeof kSettingsTitle) == 0);
    FUZZ_CHECK(std::memcmp(BlockBytes(config), data + kSettingsHeaderSize, kConfigBlockSize) == 0);

    // What was loaded saves to an image that loads back to the same block.
    TConfigBlock again {};
    FUZZ_CHECK(ParseSettingsImage(SettingsFileImage(config), again) == LoadOutcome::Loaded);
    FUZZ_CHECK(std::memcmp(&again, &config, sizeof config) == 0);
    return 0;
}
