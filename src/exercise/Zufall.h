#pragma once
// The random source of an exercise run: Random(n) draws uniformly from
// 0 .. n-1. A run seeded with the same number repeats itself, so tests and
// "kalumo-tool exercise" give the same result every time.

#include <cstdint>
#include <random>

namespace kalumo {

class Zufall
{
public:
    explicit Zufall(std::uint32_t saat = 5489u) : m_gen(saat) {}
    void Saat(std::uint32_t saat) { m_gen.seed(saat); }
    // 0 for n <= 1.
    int Random(int n)
    {
        if (n <= 1)
            return 0;
        return int(std::uniform_int_distribution<int>(0, n - 1)(m_gen));
    }

private:
    std::mt19937 m_gen;
};

} // namespace kalumo
