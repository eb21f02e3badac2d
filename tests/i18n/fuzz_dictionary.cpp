// libFuzzer entry of the dictionary reader: every input is a dictionary
// file; refusing it with an EIvError is fine, anything else is a fault.
#include "DictionaryExercise.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    exercise::run(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
