// The device report: 65 bytes, byte 0 the report ID (0 in every output report), byte 1 of an output report the
// command code, bytes 2..64 the payload.
#pragma once

#include <array>
#include <cstdint>

constexpr int kReportSize = 65;
using TReport = std::array<uint8_t, kReportSize>;
