#include "model/Liczby.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kelmor {

namespace {

std::string nieskonczonosc(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// Significant digits (without trailing zeros) and decimal exponent of |v|
// rounded to p significant digits. v must be finite and non-zero.
void cyfry(double v, int p, std::string& mantysa, int& wykladnik) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", p - 1, std::fabs(v));
    // buf = "d.ddddde[+-]xx"
    std::string s(buf);
    const auto e = s.find('e');
    wykladnik = std::atoi(s.c_str() + e + 1);
    mantysa.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') mantysa += s[i];
    while (mantysa.size() > 1 && mantysa.back() == '0') mantysa.pop_back();
}

std::string wykladnikTekst(int e, bool zeZnakiem, int minCyfr) {
    std::string cyf = std::to_string(std::abs(e));
    while (static_cast<int>(cyf.size()) < minCyfr) cyf.insert(cyf.begin(), '0');
    if (e < 0) return "-" + cyf;
    return zeZnakiem ? "+" + cyf : cyf;
}

std::string postacWykladnicza(bool ujemna, const std::string& m, int e, bool zeZnakiem,
                              int minCyfr) {
    std::string r = ujemna ? "-" : "";
    r += m[0];
    if (m.size() > 1) r += "." + m.substr(1);
    r += "E" + wykladnikTekst(e, zeZnakiem, minCyfr);
    return r;
}

}  // namespace

std::string formatOgolny(double v, int p) {
    if (!std::isfinite(v)) return nieskonczonosc(v);
    if (p < 1) p = 1;
    if (p > 17) p = 17;
    if (v == 0) return "0";
    std::string m;
    int e;
    cyfry(v, p, m, e);
    const bool ujemna = v < 0;
    if (e < -5 || e >= p) return postacWykladnicza(ujemna, m, e, false, 1);
    std::string r = ujemna ? "-" : "";
    if (e < 0) {
        r += "0." + std::string(-e - 1, '0') + m;
    } else {
        const int calk = e + 1;
        if (static_cast<int>(m.size()) <= calk) {
            r += m + std::string(calk - m.size(), '0');
        } else {
            r += m.substr(0, calk) + "." + m.substr(calk);
        }
    }
    return r;
}

std::string formatStaly(double v, int p, int d) {
    if (!std::isfinite(v)) return nieskonczonosc(v);
    if (p < 1) p = 1;
    if (p > 17) p = 17;
    if (d < 0) d = 0;
    if (d > 18) d = 18;
    if (v != 0) {
        std::string m;
        int e;
        cyfry(v, p, m, e);
        if (e >= p) return postacWykladnicza(v < 0, m, e, true, 1);
        // Round to p significant digits first, then show d decimals.
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, v);
        const double zaokr = std::strtod(buf, nullptr);
        std::snprintf(buf, sizeof buf, "%.*f", d, zaokr);
        std::string r(buf);
        // A value that rounds to zero shows without a minus sign.
        if (r[0] == '-' && r.find_first_not_of("-0.") == std::string::npos) r.erase(0, 1);
        return r;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", d, 0.0);
    return buf;
}

std::string formatWykladniczy(double v, int p, int cyfryWykladnika) {
    if (!std::isfinite(v)) return nieskonczonosc(v);
    if (p < 1) p = 1;
    if (p > 17) p = 17;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", p - 1, std::fabs(v));
    std::string s(buf);
    const auto e = s.find('e');
    const int wyk = v == 0 ? 0 : std::atoi(s.c_str() + e + 1);
    std::string r = (v < 0) ? "-" : "";
    r += s.substr(0, e) + "E" + wykladnikTekst(wyk, true, cyfryWykladnika);
    return r;
}

std::string formatCalkowity(long long v) { return std::to_string(v); }

std::optional<double> naLiczbe(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ') ++a;
    while (b > a && s[b - 1] == ' ') --b;
    s = s.substr(a, b - a);
    if (s.empty()) return std::nullopt;
    bool ujemna = false;
    std::size_t i = 0;
    if (s[0] == '+' || s[0] == '-') {
        ujemna = s[0] == '-';
        i = 1;
    }
    // Validate the shape before converting: digits [. digits] [e [sign] digits]
    std::size_t j = i, cyfr = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++cyfr;
    if (j < s.size() && s[j] == '.') {
        ++j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++cyfr;
    }
    if (cyfr == 0) return std::nullopt;
    bool ujemnyWykladnik = false;
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        ++j;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ujemnyWykladnik = s[j++] == '-';
        std::size_t wyk = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++wyk;
        if (wyk == 0) return std::nullopt;
    }
    if (j != s.size()) return std::nullopt;
    double v = 0;
    const auto body = s.substr(i);
    const auto res = std::from_chars(body.data(), body.data() + body.size(), v,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is refused.
        if (ujemnyWykladnik) return 0.0;
        return std::nullopt;
    }
    if (res.ec != std::errc() || res.ptr != body.data() + body.size()) return std::nullopt;
    if (!std::isfinite(v)) return std::nullopt;
    return ujemna ? -v : v;
}

std::optional<int32_t> naCalkowita(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && s[a] == ' ') ++a;
    while (b > a && s[b - 1] == ' ') --b;
    s = s.substr(a, b - a);
    if (s.empty()) return std::nullopt;
    std::size_t i = 0;
    bool ujemna = false;
    if (s[0] == '+' || s[0] == '-') {
        ujemna = s[0] == '-';
        i = 1;
    }
    if (i == s.size()) return std::nullopt;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > static_cast<long long>(std::numeric_limits<int32_t>::max()) + 1) return std::nullopt;
    }
    if (ujemna) v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

}  // namespace kelmor
