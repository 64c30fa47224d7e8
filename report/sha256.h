#pragma once
// SHA-256 of a byte buffer: with the processor's SHA instructions where it has
// them (the SARIF writer hashes every result), else with QCryptographicHash.

#include <QByteArray>
#include <QByteArrayView>
#include <array>

namespace sha256 {

using Digest = std::array<unsigned char, 32>;

Digest of(QByteArrayView data);
// Whether of() uses the processor's instructions on this machine.
bool accelerated();

} // namespace sha256
