#include "chart/openchart.h"

#include "chart/error.h"
#include "chart/text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zentrel {

void OpenChart::appendEvent(const TChartEntry& e)
{
    if (isFull())
        throw IoError(kChartFullMessage);
    entries[++entry_count] = e;
}

void OpenChart::removeEvent(int i)
{
    if (i < 2 || i > entry_count)
        return;
    for (int k = i; k < entry_count; ++k)
        entries[k] = entries[k + 1];
    --entry_count;
}

void loadProject(OpenChart& chart, const ChartFolder& folder, std::string_view name,
                 const std::function<void()>& on_opened)
{
    const std::filesystem::path path = folder.pathOf(name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        chart.chart_path = path;
        throw IoError(openErrorText(err, path));
    }
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throwIoError(errno);
    if (S_ISDIR(st.st_mode)) {
        chart.chart_path = path;
        throw IoError("File access denied");
    }
    const auto records = static_cast<long long>(st.st_size) / static_cast<long long>(kRecordSize);
    if (records > kMaxEntries)
        throw IoError("This chart file holds " + std::to_string(records) +
                      " entries; a chart can hold at most 800. It was not opened.");

    chart.chart_path = path;
    chart.entry_count = 0;
    if (on_opened)
        on_opened();
    // One read for the whole file; records are then taken in order, so a file that comes up
    // short leaves the state a record-by-record read would.
    const std::size_t want = static_cast<std::size_t>(std::max<long long>(records, 1)) * kRecordSize;
    std::vector<std::uint8_t> bytes(want);
    std::size_t got = 0;
    int read_error = 0;
    while (got < want) {
        const ssize_t n = ::read(fd, bytes.data() + got, want - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            read_error = errno;
            break;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    const auto complete = static_cast<long long>(got / kRecordSize);
    for (long long i = 0; i < std::max<long long>(records, 1); ++i) {
        ++chart.entry_count;
        if (i >= complete) {
            if (read_error != 0)
                throwIoError(read_error);
            throw IoError("Read beyond end of file");
        }
        chart.entries[chart.entry_count] = decodeEntry(bytes.data() + static_cast<std::size_t>(i) * kRecordSize);
    }
}

void saveProject(const OpenChart& chart, const WriteProbe& probe)
{
    if (chart.chart_path.empty())
        throw IoError("No chart is open, so there is nothing to save.");
    std::vector<std::uint8_t> bytes(kRecordSize * static_cast<std::size_t>(std::max(chart.entry_count, 0)));
    std::vector<std::string_view> chunks;
    chunks.reserve(static_cast<std::size_t>(std::max(chart.entry_count, 0)));
    for (int i = 1; i <= chart.entry_count; ++i) {
        std::uint8_t* out = bytes.data() + kRecordSize * static_cast<std::size_t>(i - 1);
        encodeEntry(chart.entries[i], out);
        chunks.emplace_back(reinterpret_cast<const char*>(out), kRecordSize);
    }
    writeFileAtomically(chart.chart_path, chunks, probe);
}

std::string chartTitle(const std::filesystem::path& chart_path)
{
    const std::string file = chart_path.filename().string();
    return "Zentrel for : " + utf8ToCp1252(file.substr(0, file.find('.')));
}

} // namespace zentrel
