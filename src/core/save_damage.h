#pragma once

#include <cstdint>
#include <string>

#include "core/fatal_error.h"

namespace cv {

// A save that cannot be read: its header, info block, game data or a chunk is
// damaged, cut short or missing. Unlike the rest of the engine's errors this
// one need not end the game: the player made the file, and the game in play
// is still whole, so the screens refuse the save and go on. Errors in the
// rules or packages read while loading stay plain EngineErrors.
class DamagedSave : public EngineError {
public:
    explicit DamagedSave(const std::string& message) : EngineError(message) {}
};

// "Invalid object version %08X: " + what the record holds ("Main Hero").
std::string InvalidVersion(uint32_t version, const std::string& object);

// Runs `read`, which only reads the save's own bytes, and turns the stream
// and byte-reader failures it raises into DamagedSave, message kept.
template <class Read>
auto ReadingSave(Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const DamagedSave&) {
        throw;
    } catch (const EngineError& error) {
        throw DamagedSave(error.what());
    }
}

}  // namespace cv
