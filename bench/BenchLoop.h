// SPDX-License-Identifier: MIT
// The timed loop of the conversion benchmarks: `run` once for every input, each pass
// counted as inputs.size() items.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace valdora::bench {

template <typename Input, typename Run>
void RunOver(benchmark::State& state, const std::vector<Input>& inputs, Run run) {
  for (auto _ : state)
    for (const Input& input : inputs) run(input);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(inputs.size()));
}

// Keeps each value from being optimised away (as a modifiable value, which may stay in a
// register, as benchmark::DoNotOptimize of a local variable).
template <typename... Values>
void Keep(Values&&... values) {
  (benchmark::DoNotOptimize(values), ...);
}

}  // namespace valdora::bench
