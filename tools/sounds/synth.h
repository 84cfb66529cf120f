#pragma once
// Turns a sound recipe into 16-bit mono samples. Everything is computed from the recipe
// alone (noise comes from a seeded generator), so the same recipe always gives the same bytes.
#include <cstdint>
#include <vector>

struct TSoundRecipe;

constexpr int kSoundRate = 22050;

// Throws ContentError when a voice runs past the recipe's length or the sound is silent.
std::vector<std::int16_t> SynthesiseSound(const TSoundRecipe& recipe, int rate = kSoundRate);
