#include "report/sha256.h"

#include <QCryptographicHash>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KVN_SHA_X86 1
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace {

#ifdef KVN_SHA_X86

bool hasShaInstructions()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return false;
    const bool ssse3 = c & (1u << 9), sse41 = c & (1u << 19);
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d))
        return false;
    return ssse3 && sse41 && (b & (1u << 29));
}

alignas(16) const uint32_t roundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

// Runs the compression function over `blocks` blocks of 64 bytes.
__attribute__((target("sha,ssse3,sse4.1"))) void compress(uint32_t state[8],
                                                          const unsigned char *data, size_t blocks)
{
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    // The instructions keep the state as ABEF and CDGH.
    __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i *>(state));
    __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i *>(state + 4));
    const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xF0);

    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefBefore = abef, cdghBefore = cdgh;
        __m128i w[4]; // the schedule's last sixteen words, four to a group
        for (int group = 0; group < 16; ++group) {
            __m128i &words = w[group % 4];
            if (group < 4) {
                words = _mm_shuffle_epi8(
                    _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + 16 * group)),
                    byteSwap);
            } else {
                // W[t] = s1(W[t-2]) + W[t-7] + s0(W[t-15]) + W[t-16]
                const __m128i &previous = w[(group + 3) % 4];
                __m128i next = _mm_sha256msg1_epu32(words, w[(group + 1) % 4]);
                next = _mm_add_epi32(next, _mm_alignr_epi8(previous, w[(group + 2) % 4], 4));
                words = _mm_sha256msg2_epu32(next, previous);
            }
            __m128i message = _mm_add_epi32(words, _mm_load_si128(reinterpret_cast<const __m128i *>(
                                                       roundConstants + 4 * group)));
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
            message = _mm_shuffle_epi32(message, 0x0E);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
        }
        abef = _mm_add_epi32(abef, abefBefore);
        cdgh = _mm_add_epi32(cdgh, cdghBefore);
    }

    const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(state), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}

sha256::Digest withInstructions(QByteArrayView data)
{
    uint32_t state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                         0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    const auto *bytes = reinterpret_cast<const unsigned char *>(data.data());
    const size_t size = size_t(data.size());
    const size_t whole = size / 64;
    compress(state, bytes, whole);
    // The rest, 0x80, zeros and the length in bits, big-endian: one block or two.
    unsigned char tail[128] = {};
    const size_t rest = size % 64;
    if (rest > 0)
        std::memcpy(tail, bytes + whole * 64, rest);
    tail[rest] = 0x80;
    const size_t tailSize = rest < 56 ? 64 : 128;
    const uint64_t bits = uint64_t(size) * 8;
    for (int i = 0; i < 8; ++i)
        tail[tailSize - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
    compress(state, tail, tailSize / 64);
    sha256::Digest digest;
    for (int i = 0; i < 8; ++i)
        for (int byte = 0; byte < 4; ++byte)
            digest[size_t(4 * i + byte)] = static_cast<unsigned char>(state[i] >> (24 - 8 * byte));
    return digest;
}

#endif

} // namespace

bool sha256::accelerated()
{
#ifdef KVN_SHA_X86
    static const bool has = hasShaInstructions();
    return has;
#else
    return false;
#endif
}

sha256::Digest sha256::of(QByteArrayView data)
{
#ifdef KVN_SHA_X86
    if (accelerated())
        return withInstructions(data);
#endif
    const QByteArray result = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
    Digest digest;
    std::memcpy(digest.data(), result.constData(), digest.size());
    return digest;
}
