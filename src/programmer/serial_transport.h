#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "programmer/serial_line.h"
#include "seams/log.h"

namespace quorprog {

// The port beneath the programmer protocol: at most one open port, command texts written, and
// replies read as a line, up to the prompt ">" or up to the write acknowledgement ".". Every read
// ends by the line's time-out when the programmer falls silent, and by a byte budget when it
// does not, so no reply can keep the program waiting for ever.
class SerialTransport {
  public:
    static constexpr size_t kMaxLineLength = 512;
    static constexpr size_t kPromptLimit = 128;
    // WaitDot gives up after this many bytes without a "." (the prompt wait's limit).
    static constexpr size_t kDotLimit = kPromptLimit;
    // No single read operation takes more bytes than this, line ends included: a line that
    // streams only CR and LF ends too.
    static constexpr size_t kMaxBytesPerRead = 2048;

    SerialTransport(SerialLine& line, Log& log) : line_(line), log_(log) {}

    // False, with the port left as it is, when a port is open already; false and a log line
    // when the port cannot be opened.
    bool OpenPort(const std::string& name, bool handshake);
    void ClosePort();
    bool IsOpen() const { return open_; }

    // Bytes written; 0 when no port is open.
    size_t WriteText(std::string_view text);
    // Reads the next line into the reply line and returns its length (0 when no port is open):
    // line ends before the text are skipped, the first one after it ends the line, and the line
    // stops at kMaxLineLength characters.
    size_t ReadLine();
    // True when ">" arrived before kPromptLimit other characters (line ends not counted); those
    // characters go to `collected` when given.
    bool WaitPrompt(std::string* collected = nullptr);
    // True when "." arrived before kDotLimit other bytes.
    bool WaitDot();

    const std::string& ReplyLine() const { return replyLine_; }
    void ClearReplyLine() { replyLine_.clear(); }

  private:
    SerialLine& line_;
    Log& log_;
    bool open_ = false;
    std::string replyLine_;
};

}  // namespace quorprog
