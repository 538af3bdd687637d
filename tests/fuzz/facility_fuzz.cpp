// Feeds the headless facility arbitrary sequences of calls with arbitrary arguments: NaN,
// infinities, huge and negative values, page numbers out of range, empty and odd-sized images,
// long and odd text, keys and mouse events. Time is simulated, so waits cost nothing; every other
// call must finish in time bounded by the pixels it can touch (libFuzzer's -timeout catches one
// that does not).

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "screen/events.h"
#include "screen/screen.h"
#include "screen/virtual_host.h"

namespace {

// Reads the fuzzer's bytes as arguments; past the end everything reads as zero.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int32_t int32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | byte();
        return static_cast<std::int32_t>(v);
    }
    // A coordinate or radius: often a special value, sometimes any bit pattern.
    float number() {
        static const float specials[] = {0.0f, -0.0f, 0.5f, -0.5f, 2.5f, 639.5f, 479.5f, 640.0f, 1e9f, -1e9f, 1e30f, -1e30f,
                                         std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                                         std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::max(),
                                         std::numeric_limits<float>::denorm_min()};
        const std::uint8_t kind = byte();
        if (kind < 96) return static_cast<float>(static_cast<std::int16_t>(byte() << 8 | byte())) / (kind % 3 ? 1.0f : 4.0f);
        if (kind < 192) return specials[kind % (sizeof specials / sizeof specials[0])];
        const std::int32_t bits = int32();
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    std::string text() {
        std::size_t length = byte();
        if (length > 250) length = static_cast<std::size_t>(byte()) * 40;  // now and then a long one
        std::string s;
        for (std::size_t i = 0; i < length; ++i) s.push_back(static_cast<char>(byte()));
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static VirtualHost host;
    setHost(host);
    openScreen();
    Image images[3];
    Reader in(data, size);
    try {
        while (!in.done()) {
            switch (in.byte() % 24) {
                case 0: setPages(in.int32(), in.int32()); break;
                case 1: copyPage(in.int32(), in.int32()); break;
                case 2: drawLine(in.number(), in.number(), in.number(), in.number(), in.int32()); break;
                case 3: drawBox(in.number(), in.number(), in.number(), in.number(), in.int32()); break;
                case 4: fillBox(in.number(), in.number(), in.number(), in.number(), in.int32()); break;
                case 5: drawCircle(in.number(), in.number(), in.number(), in.int32()); break;
                case 6: fillCircle(in.number(), in.number(), in.number(), in.int32()); break;
                case 7: floodFill(in.number(), in.number(), in.int32(), in.int32()); break;
                case 8: {
                    Image& into = images[in.byte() % 3];
                    captureImage(in.number(), in.number(), in.number(), in.number(), into);
                    break;
                }
                case 9: {
                    const Image& image = images[in.byte() % 3];
                    putImage(in.number(), in.number(), image, in.byte() % 2 ? PutMode::Transparent : PutMode::Opaque);
                    break;
                }
                case 10: drawText(in.number(), in.number(), in.text()); break;
                case 11: locateText(in.int32(), in.int32()); break;
                case 12: printText(in.text(), in.byte() % 2); break;
                case 13: setTextColours(in.int32(), in.int32()); break;
                case 14: pollKey(); break;
                case 15: pollMouse(); break;
                case 16: sleepMs(static_cast<std::int16_t>(in.int32())); break;  // simulated: cheap, but a wait is its length
                case 17: queueKey(in.text()); break;
                case 18: pointerMoved(in.int32(), in.int32()); break;
                case 19: buttonsHeld(in.int32()); break;
                case 20: windowActivated(in.byte() % 2); break;
                case 21: wheelTurned(in.int32() % 1000); break;
                case 22: pointerLeft(); break;
                case 23:
                    if (in.byte() == 0xEE) endProgram(in.int32());
                    break;
            }
        }
    } catch (const ProgramEnded&) {
    }
    return 0;
}
