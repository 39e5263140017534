#include "coordination/difference_set.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace quorprog::coordination {

namespace {

bool isPrime(int64_t n) {
    if (n < 2) return false;
    for (int64_t d = 2; d * d <= n; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

std::vector<int64_t> primeFactors(int64_t n) {
    std::vector<int64_t> factors;
    for (int64_t d = 2; d * d <= n; ++d) {
        if (n % d != 0) continue;
        factors.push_back(d);
        while (n % d == 0) n /= d;
    }
    if (n > 1) factors.push_back(n);
    return factors;
}

int64_t powerModulo(int64_t base, int64_t exponent, int64_t m) {
    int64_t result = 1 % m;
    for (base %= m; exponent > 0; exponent >>= 1, base = base * base % m) {
        if (exponent & 1) result = result * base % m;
    }
    return result;
}

bool generatesUnits(int64_t g, int64_t q, const std::vector<int64_t>& factorsOfQMinusOne) {
    return std::none_of(factorsOfQMinusOne.begin(), factorsOfQMinusOne.end(),
                        [&](int64_t p) { return powerModulo(g, (q - 1) / p, q) == 1; });
}

// GF(q³) as polynomials over GF(q) modulo x³ − c2·x² − c1·x − c0: {a0, a1, a2}.
using Element = std::array<int64_t, 3>;

class CubicField {
  public:
    CubicField(int64_t q, Element c) : q_(q), c_(c) {}

    Element timesX(const Element& a) const {
        return {a[2] * c_[0] % q_, (a[0] + a[2] * c_[1]) % q_, (a[1] + a[2] * c_[2]) % q_};
    }

    Element multiply(const Element& a, const Element& b) const {
        Element product{0, 0, 0};
        Element shifted = a;  // a·x^k
        for (int k = 0; k < 3; ++k) {
            for (int i = 0; i < 3; ++i) product[i] = (product[i] + shifted[i] * b[k]) % q_;
            shifted = timesX(shifted);
        }
        return product;
    }

    Element xToThe(int64_t e) const {
        Element result{1, 0, 0};
        Element base{0, 1, 0};
        for (; e > 0; e >>= 1) {
            if (e & 1) result = multiply(result, base);
            base = multiply(base, base);
        }
        return result;
    }

    // x generates the whole multiplicative group, which only a field has: then the polynomial
    // is irreducible and primitive.
    bool xIsPrimitive(const std::vector<int64_t>& orderFactors, int64_t order) const {
        constexpr Element kOne{1, 0, 0};
        if (xToThe(order) != kOne) return false;
        return std::none_of(orderFactors.begin(), orderFactors.end(),
                            [&](int64_t p) { return xToThe(order / p) == kOne; });
    }

  private:
    int64_t q_;
    Element c_;
};

int64_t modulo(int64_t a, int64_t m) {
    const int64_t r = a % m;
    return r < 0 ? r + m : r;
}

int64_t inverseModulo(int64_t a, int64_t m) {
    // Extended Euclid; a and m are coprime.
    int64_t r0 = m, r1 = modulo(a, m), t0 = 0, t1 = 1;
    while (r1 != 0) {
        const int64_t quotient = r0 / r1;
        r0 = std::exchange(r1, r0 - quotient * r1);
        t0 = std::exchange(t1, t0 - quotient * t1);
    }
    return modulo(t0, m);
}

// The multipliers worth placing: as many as wanted, those that send the fewest triples
// within `products` positions of a product, counted modulo the modulus.
std::vector<int64_t> promisingMultipliers(const std::vector<int64_t>& set, int64_t modulus,
                                          int64_t products, size_t count) {
    // triples[r]: how many triples have 2a − b − c ≡ r; under multiplier t the near ones are
    // those with r ≡ d·t⁻¹ for |d| ≤ products.
    std::vector<uint32_t> triples(static_cast<size_t>(modulus), 0);
    for (const int64_t a : set) {
        for (size_t b = 0; b < set.size(); ++b) {
            for (size_t c = b + 1; c < set.size(); ++c) {
                if (set[b] == a || set[c] == a) continue;
                ++triples[static_cast<size_t>(modulo(2 * a - set[b] - set[c], modulus))];
            }
        }
    }
    std::vector<std::pair<size_t, int64_t>> ranked;  // near triples, multiplier
    for (int64_t t = 1; t < modulus; ++t) {
        if (std::gcd(t, modulus) != 1) continue;
        const int64_t inverse = inverseModulo(t, modulus);
        size_t near = 0;
        for (int64_t d = 1; d <= products; ++d) {
            near += triples[static_cast<size_t>(modulo(d * inverse, modulus))] +
                    triples[static_cast<size_t>(modulo(-d * inverse, modulus))];
        }
        ranked.emplace_back(near, t);
    }
    const size_t kept = std::min(count, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<ptrdiff_t>(kept), ranked.end());
    std::vector<int64_t> multipliers;
    for (size_t i = 0; i < kept; ++i) multipliers.push_back(ranked[i].second);
    return multipliers;
}

// The shift with the fewest near misses for the set already multiplied: only pairs and triples
// that are near modulo the modulus can be near once laid out, so those are listed first and
// counted for every shift.
Placement bestShift(const std::vector<int64_t>& multiplied, int64_t multiplier, int64_t modulus,
                    NearMissLimits limits, int64_t lastPosition) {
    const auto nearModulo = [&](int64_t value, int64_t limit) {
        const int64_t r = modulo(value, modulus);
        return r <= limit || r >= modulus - limit;
    };
    const size_t n = multiplied.size();
    std::vector<std::array<size_t, 3>> triples;  // a, b, c
    std::vector<std::array<size_t, 2>> pairs;
    for (size_t a = 0; a < n; ++a) {
        for (size_t b = a + 1; b < n; ++b) {
            if (nearModulo(multiplied[a] - multiplied[b], limits.pairs)) pairs.push_back({a, b});
        }
        if (limits.products <= 0) continue;
        for (size_t b = 0; b < n; ++b) {
            for (size_t c = b + 1; c < n; ++c) {
                if (b != a && c != a &&
                    nearModulo(2 * multiplied[a] - multiplied[b] - multiplied[c], limits.products))
                    triples.push_back({a, b, c});
            }
        }
    }
    Placement best{multiplier, 0, SIZE_MAX};
    std::vector<int64_t> at = multiplied;  // the positions under the shift
    for (int64_t shift = 0; shift < modulus && best.lost > 0; ++shift) {
        size_t lost = 0;
        for (const int64_t position : at) lost += position > lastPosition;
        for (const auto& [a, b] : pairs) lost += std::abs(at[a] - at[b]) <= limits.pairs;
        for (const auto& [a, b, c] : triples)
            lost += std::abs(2 * at[a] - at[b] - at[c]) <= limits.products;
        if (lost < best.lost) best = {multiplier, shift, lost};
        for (int64_t& position : at) position = position + 1 == modulus ? 0 : position + 1;
    }
    return best;
}

}  // namespace

int64_t smallestPrimeAbove(int64_t n) {
    int64_t p = n + 1;
    while (!isPrime(p)) ++p;
    return p;
}

std::vector<int64_t> singerDifferenceSet(int64_t q) {
    if (!isPrime(q)) return {};
    const int64_t modulus = q * q + q + 1;
    const int64_t order = q * q * q - 1;
    const std::vector<int64_t> factors = primeFactors(order);
    // x's norm, c0, generates GF(q)* when x generates GF(q³)*: only those c0 need trying.
    const std::vector<int64_t> unitFactors = primeFactors(q - 1);
    for (int64_t c0 = 1; c0 < q; ++c0) {
        if (!generatesUnits(c0, q, unitFactors)) continue;
        for (int64_t c1 = 0; c1 < q; ++c1) {
            for (int64_t c2 = 0; c2 < q; ++c2) {
                const CubicField field(q, {c0, c1, c2});
                if (!field.xIsPrimitive(factors, order)) continue;
                // The powers x^i in the plane spanned by 1 and x: x^(i + modulus) is x^i times
                // a scalar, so the residues below the modulus are all of them.
                std::vector<int64_t> set;
                Element power{1, 0, 0};
                for (int64_t i = 0; i < modulus; ++i, power = field.timesX(power)) {
                    if (power[2] == 0) set.push_back(i);
                }
                return set;
            }
        }
    }
    return {};
}

int64_t largestSingerOrderWithin(int64_t last) {
    int64_t best = 0;
    for (int64_t q = 2; q * q + q <= last; ++q) {
        if (isPrime(q)) best = q;
    }
    return best;
}

std::vector<Placement> placementsLosingFewest(const std::vector<int64_t>& set, int64_t modulus,
                                              NearMissLimits limits, int64_t lastPosition,
                                              size_t count) {
    std::vector<Placement> placements;
    if (set.empty() || modulus < 2) return placements;
    std::vector<int64_t> multiplied(set.size());
    for (const int64_t t : promisingMultipliers(set, modulus, limits.products, count)) {
        for (size_t i = 0; i < set.size(); ++i) multiplied[i] = t * set[i] % modulus;
        placements.push_back(bestShift(multiplied, t, modulus, limits, lastPosition));
    }
    std::stable_sort(placements.begin(), placements.end(),
                     [](const Placement& a, const Placement& b) { return a.lost < b.lost; });
    placements.resize(std::min(count, placements.size()));
    return placements;
}

}  // namespace quorprog::coordination
