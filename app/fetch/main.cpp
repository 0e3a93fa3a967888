// quillaband-fetch: fetches the start of one file over FTP for the band's daily version
// check. The band runs it as a short-lived process, so that only this helper maps libcurl
// and its TLS stack, never the band that stays resident all day.
//
//   quillaband-fetch CONNECT_MS TOTAL_MS MAX_BYTES      (the ftp:// URL as a line on stdin)
//
// The URL carries the account's password, so it never appears on the command line, which
// every user can read. The received bytes, at most MAX_BYTES, go to stdout. Exit status:
// 0 the file or its first MAX_BYTES arrived, 1 the transfer failed, 2 a usage error.

#include <curl/curl.h>

#include <sys/prctl.h>

#include <algorithm>
#include <charconv>
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
};

std::size_t keep(char* bytes, std::size_t size, std::size_t count, void* user)
{
    auto& received = *static_cast<Received*>(user);
    const std::size_t offered = size * count;
    received.data.append(bytes, std::min(received.maxBytes - received.data.size(), offered));
    // Returning less than offered stops the transfer: enough has arrived.
    return received.data.size() >= received.maxBytes ? 0 : offered;
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
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    const bool cutOff = result == CURLE_WRITE_ERROR && received.data.size() >= received.maxBytes;
    if (result != CURLE_OK && !cutOff)
        std::cerr << "quillaband-fetch: " << curl_easy_strerror(result) << '\n';
    return result == CURLE_OK || cutOff;
}

} // namespace

int main(int argc, char* argv[])
{
    // Ends with the program that started it, should that one die without ending it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);

    const long connectMs = argc == 4 ? positive(argv[1]) : 0;
    const long totalMs = argc == 4 ? positive(argv[2]) : 0;
    Received received;
    received.maxBytes = argc == 4 ? static_cast<std::size_t>(positive(argv[3])) : 0;
    const bool arguments = connectMs > 0 && totalMs > 0 && received.maxBytes > 0;
    std::string url;
    // The arguments first: a wrong call from a terminal gets its usage without waiting.
    if (arguments && std::getline(std::cin, url) && url.ends_with('\r'))
        url.pop_back();
    if (!arguments || url.empty()) {
        std::cerr << "usage: quillaband-fetch CONNECT_MS TOTAL_MS MAX_BYTES "
                     "(the ftp:// URL as a line on stdin)\n";
        return 2;
    }

    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return 1;
    const bool ok = fetch(url, connectMs, totalMs, received);
    curl_global_cleanup();
    std::fwrite(received.data.data(), 1, received.data.size(), stdout);
    return ok && std::fflush(stdout) == 0 ? 0 : 1;
}
