#include "cli/Output.h"

#include "model/WholeFile.h"
#include "model/curves/CurvesCsv.h"

#include <cstring>
#include <ostream>
#include <streambuf>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

std::string reason(int error) {
    if (error == 0)
        return {};
    return error == model::notARegularFile ? "not a regular file, a pipe or a character device"
                                           : std::strerror(error);
}

// An output stream's buffer that hands its text on to a sink a megabyte at a time, so that a
// file of millions of rows is never held whole. After a failed piece it takes nothing more.
class SinkBuffer : public std::streambuf {
public:
    explicit SinkBuffer(const model::TextSink& sink) : sink_(sink), buffer_(1 << 20) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    // The rest handed on; 0 or the first error.
    int finish() {
        sync();
        return error_;
    }

protected:
    int_type overflow(int_type c) override {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override {
        if (error_ == 0 && pptr() != pbase())
            error_ = sink_(std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0 ? 0 : -1;
    }

private:
    const model::TextSink& sink_;
    std::vector<char> buffer_;
    int error_ = 0;
};

} // namespace

std::string writeCurves(const model::Throw& t, const std::string& path) {
    return reason(model::writeWholeFile(
        path,
        [&t](const model::TextSink& sink) {
            SinkBuffer buffer(sink);
            std::ostream csv(&buffer);
            model::writeCurvesCsv(t, csv);
            return buffer.finish();
        },
        model::InPlace::devicesPipes));
}

std::string writeStandardOutput(std::string_view text) {
    // Where a file's text would end if the write fails half-way.
    off_t start = -1;
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) == 0 && S_ISREG(st.st_mode))
        start = (::fcntl(STDOUT_FILENO, F_GETFL) & O_APPEND) ? st.st_size
                                                             : ::lseek(STDOUT_FILENO, 0, SEEK_CUR);
    const int error = model::writeAll(STDOUT_FILENO, text);
    if (error != 0 && start >= 0 && ::ftruncate(STDOUT_FILENO, start) == 0)
        ::lseek(STDOUT_FILENO, start, SEEK_SET);
    return reason(error);
}

} // namespace cli
