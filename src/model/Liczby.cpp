#include "model/Liczby.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kelmor {

namespace {

std::string nieskonczonosc(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// A finite value as decimal digits: |v| = 0.d1d2d3... x 10^(wyk+1), i.e. the
// first digit stands at 10^wyk. `cyfry` is empty for zero.
struct Dziesietna {
    std::string cyfry;
    int wyk = 0;
    bool ujemna = false;
};

// The shortest decimal text that reads back as v (locale-independent).
Dziesietna rozloz(double v) {
    Dziesietna d;
    d.ujemna = std::signbit(v);
    if (v == 0) return d;
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific);
    const std::string s(buf, r.ptr);
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') d.cyfry += s[i];
    int wyk = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), wyk);
    d.wyk = wyk;
    while (!d.cyfry.empty() && d.cyfry.back() == '0') d.cyfry.pop_back();
    return d;
}

// Keeps n digits, rounding half away from zero.
void obetnij(Dziesietna& d, int n) {
    if (n < 0) n = 0;
    if (static_cast<int>(d.cyfry.size()) <= n) return;
    const bool wGore = d.cyfry[n] >= '5';
    d.cyfry.resize(n);
    if (wGore) {
        int i = n - 1;
        while (i >= 0 && d.cyfry[i] == '9') d.cyfry[i--] = '0';
        if (i >= 0) {
            ++d.cyfry[i];
        } else {
            d.cyfry.insert(d.cyfry.begin(), '1');
            d.cyfry.pop_back();
            if (d.cyfry.empty()) d.cyfry = "1";
            ++d.wyk;
        }
    }
    while (!d.cyfry.empty() && d.cyfry.back() == '0') d.cyfry.pop_back();
}

// Rounds to p significant digits.
void doCyfrZnaczacych(Dziesietna& d, int p) {
    obetnij(d, p);
}

// Rounds to the 10^-miejsca place.
void doMiejsca(Dziesietna& d, int miejsca) {
    if (d.cyfry.empty()) return;
    const int zostaje = d.wyk + 1 + miejsca;
    if (zostaje < 0) {
        d.cyfry.clear();
        return;
    }
    if (zostaje == 0) {
        if (d.cyfry[0] >= '5') {
            d.cyfry = "1";
            d.wyk = -miejsca;
        } else {
            d.cyfry.clear();
        }
        return;
    }
    obetnij(d, zostaje);
}

std::string wykladnikTekst(int e, bool zeZnakiem, int minCyfr) {
    std::string cyf = std::to_string(std::abs(e));
    while (static_cast<int>(cyf.size()) < minCyfr) cyf.insert(cyf.begin(), '0');
    if (e < 0) return "-" + cyf;
    return zeZnakiem ? "+" + cyf : cyf;
}

// "d.dddE[+]x" with at least `minMantysa` digits.
std::string postacWykladnicza(const Dziesietna& d, bool zeZnakiem, int minCyfr,
                              std::size_t minMantysa = 1) {
    std::string m = d.cyfry.empty() ? "0" : d.cyfry;
    if (m.size() < minMantysa) m.append(minMantysa - m.size(), '0');
    std::string r = d.ujemna && !d.cyfry.empty() ? "-" : "";
    r += m[0];
    if (m.size() > 1) r += "." + m.substr(1);
    r += "E" + wykladnikTekst(d.cyfry.empty() ? 0 : d.wyk, zeZnakiem, minCyfr);
    return r;
}

// Positional text with exactly `miejsca` decimals (-1: as many as needed).
std::string pozycyjnie(const Dziesietna& d, int miejsca) {
    std::string calk, ulam;
    if (d.cyfry.empty()) {
        calk = "0";
    } else if (d.wyk < 0) {
        calk = "0";
        ulam = std::string(-d.wyk - 1, '0') + d.cyfry;
    } else {
        const std::size_t n = d.wyk + 1;
        if (d.cyfry.size() <= n) {
            calk = d.cyfry + std::string(n - d.cyfry.size(), '0');
        } else {
            calk = d.cyfry.substr(0, n);
            ulam = d.cyfry.substr(n);
        }
    }
    if (miejsca >= 0) {
        if (static_cast<int>(ulam.size()) < miejsca) ulam.append(miejsca - ulam.size(), '0');
        ulam.resize(miejsca);
    }
    std::string r = d.ujemna && !d.cyfry.empty() ? "-" : "";
    r += calk;
    if (!ulam.empty()) r += "." + ulam;
    return r;
}

int ogranicz(int p) {
    return p < 1 ? 1 : p > 17 ? 17 : p;
}

}  // namespace

std::string formatOgolny(double v, int p) {
    if (!std::isfinite(v)) return nieskonczonosc(v);
    p = ogranicz(p);
    Dziesietna d = rozloz(v);
    doCyfrZnaczacych(d, p);
    if (d.cyfry.empty()) return "0";
    if (d.wyk < -5 || d.wyk >= p) return postacWykladnicza(d, false, 1);
    return pozycyjnie(d, -1);
}

std::string formatStaly(double v, int p, int d) {
    if (!std::isfinite(v)) return nieskonczonosc(v);
    p = ogranicz(p);
    d = d < 0 ? 0 : d > 18 ? 18 : d;
    Dziesietna dz = rozloz(v);
    doCyfrZnaczacych(dz, p);
    if (!dz.cyfry.empty() && dz.wyk >= p) return postacWykladnicza(dz, true, 1);
    doMiejsca(dz, d);
    return pozycyjnie(dz, d);
}

std::string formatWykladniczy(double v, int p, int cyfryWykladnika) {
    if (!std::isfinite(v)) return nieskonczonosc(v);
    p = ogranicz(p);
    Dziesietna d = rozloz(v);
    doCyfrZnaczacych(d, p);
    return postacWykladnicza(d, true, cyfryWykladnika, p);
}

std::string formatCalkowity(long long v) {
    return std::to_string(v);
}

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
    const auto res =
        std::from_chars(body.data(), body.data() + body.size(), v, std::chars_format::general);
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
        if (v > static_cast<long long>(std::numeric_limits<int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (ujemna) v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

}  // namespace kelmor
