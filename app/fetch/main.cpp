// quillaband-fetch: fetches one file over FTP, for the band's daily version check and for
// the updater. The band runs it as a short-lived process, so that only this helper maps
// libcurl and its TLS stack, never the band that stays resident all day.
//
//   quillaband-fetch CONNECT_MS TOTAL_MS MAX_BYTES [FILE]   (the ftp:// URL as a line on stdin)
//
// The URL carries the account's password, so it never appears on the command line, which
// every user can read. Without FILE the received bytes, at most MAX_BYTES, go to stdout.
// With FILE the whole file goes there (a file larger than MAX_BYTES fails), the progress
// goes to stdout as lines "RECEIVED TOTAL" (TOTAL 0 while unknown), and a server that
// sends nothing for CONNECT_MS ends the transfer. Exit status: 0 the file (or its first
// MAX_BYTES) arrived, 1 the transfer failed, 2 a usage error.

#include <curl/curl.h>

#include <sys/prctl.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

struct Received
{
    std::string data;
    std::size_t maxBytes = 0;
    std::FILE* file = nullptr; // whole-file mode: the bytes go here, not into data
    std::size_t written = 0;
    std::chrono::steady_clock::time_point reported;
};

std::size_t keep(char* bytes, std::size_t size, std::size_t count, void* user)
{
    auto& received = *static_cast<Received*>(user);
    const std::size_t offered = size * count;
    if (received.file) {
        // A file beyond the limit is not the one expected: returning less stops it.
        if (received.written + offered > received.maxBytes ||
            std::fwrite(bytes, 1, offered, received.file) != offered)
            return 0;
        received.written += offered;
        return offered;
    }
    received.data.append(bytes, std::min(received.maxBytes - received.data.size(), offered));
    // Returning less than offered stops the transfer: enough has arrived.
    return received.data.size() >= received.maxBytes ? 0 : offered;
}

// Whole-file mode: the progress as a line, at most ten times a second.
int progress(void* user, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t)
{
    auto& received = *static_cast<Received*>(user);
    const auto time = std::chrono::steady_clock::now();
    if (now > 0 && time - received.reported >= std::chrono::milliseconds(100)) {
        received.reported = time;
        std::printf("%lld %lld\n", static_cast<long long>(now), static_cast<long long>(total));
        std::fflush(stdout);
    }
    return 0;
}

// A whole positive decimal number, or 0.
long positive(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

bool fetch(const std::string& url, long connectMs, long totalMs, Received& received)
{
    CURL* curl = curl_easy_init();
    if (!curl)
        return false;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, totalMs);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &keep);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
    if (received.file) {
        // A server that stops answering ends a long download long before its total limit.
        const long stallSeconds = std::max(1L, connectMs / 1000);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, stallSeconds);
        curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, stallSeconds);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &progress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &received);
    }
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    const bool cutOff =
        !received.file && result == CURLE_WRITE_ERROR && received.data.size() >= received.maxBytes;
    if (result != CURLE_OK && !cutOff)
        std::cerr << "quillaband-fetch: " << curl_easy_strerror(result) << '\n';
    return result == CURLE_OK || cutOff;
}

} // namespace

int main(int argc, char* argv[])
{
    // Ends with the program that started it, should that one die without ending it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);

    const bool counted = argc == 4 || argc == 5;
    const long connectMs = counted ? positive(argv[1]) : 0;
    const long totalMs = counted ? positive(argv[2]) : 0;
    Received received;
    received.maxBytes = counted ? static_cast<std::size_t>(positive(argv[3])) : 0;
    const bool arguments = connectMs > 0 && totalMs > 0 && received.maxBytes > 0;
    std::string url;
    // The arguments first: a wrong call from a terminal gets its usage without waiting.
    if (arguments && std::getline(std::cin, url) && url.ends_with('\r'))
        url.pop_back();
    if (!arguments || url.empty()) {
        std::cerr << "usage: quillaband-fetch CONNECT_MS TOTAL_MS MAX_BYTES [FILE] "
                     "(the ftp:// URL as a line on stdin)\n";
        return 2;
    }
    if (argc == 5) {
        received.file = std::fopen(argv[4], "wb");
        if (!received.file) {
            std::perror(argv[4]);
            return 1;
        }
    }

    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return 1;
    bool ok = fetch(url, connectMs, totalMs, received);
    curl_global_cleanup();
    if (received.file && std::fclose(received.file) != 0)
        ok = false;
    std::fwrite(received.data.data(), 1, received.data.size(), stdout);
    return ok && std::fflush(stdout) == 0 ? 0 : 1;
}
