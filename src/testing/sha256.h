// SHA-256 of a byte string, as lower-case hex: the fingerprints of the golden height grids.
#ifndef ZELVO_TESTING_SHA256_H_
#define ZELVO_TESTING_SHA256_H_

#include <cstddef>
#include <string>

namespace zelvo::testing {

std::string Sha256Hex(const void* data, size_t size);

}  // namespace zelvo::testing

#endif  // ZELVO_TESTING_SHA256_H_
