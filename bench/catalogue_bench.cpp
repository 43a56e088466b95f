// The catalogue's translations: every stored code to its label and back, as loading and saving
// do them, and the two translations of all eight values at once.
#include "params/property_values.h"

#include <benchmark/benchmark.h>

namespace {

// Every entry of every map through one translation: `side` is what is translated (the maps'
// codes or labels), `translate` the LabelMap function that does it.
void translateAllMaps(benchmark::State& state, const char* const* LabelMap::*side,
                      void (LabelMap::*translate)(const ValueText&, ValueText&) const) {
    for (auto _ : state) {
        for (const PropertyRow* row = PropertyCatalogue::begin(); row != PropertyCatalogue::end();
             ++row) {
            if (row->map == nullptr)
                continue;
            for (size_t i = 0; i < row->map->count; ++i) {
                ValueText from((row->map->*side)[i]);
                ValueText to;
                (row->map->*translate)(from, to);
                benchmark::DoNotOptimize(to.c_str());
            }
        }
    }
}

void BM_CodeToLabelAllMaps(benchmark::State& state) {
    translateAllMaps(state, &LabelMap::codes, &LabelMap::codeToLabel);
}
BENCHMARK(BM_CodeToLabelAllMaps);

void BM_LabelToCodeAllMaps(benchmark::State& state) {
    translateAllMaps(state, &LabelMap::labels, &LabelMap::labelToCode);
}
BENCHMARK(BM_LabelToCodeAllMaps);

void BM_LoadAndSaveTranslations(benchmark::State& state) {
    PropertyValues values;
    const char* const stored[] = {"0002B3A1C4F7", "12", "8", "3", "1514", "256", "1", "0"};
    for (size_t i = 0; i < kPropertyCount; ++i)
        values.storeRead(static_cast<PropertyId>(i), stored[i], 16);
    for (auto _ : state) {
        values.displayFromStored();
        values.storedFromDisplay();
        benchmark::DoNotOptimize(values.stored(PropertyId::kMediaType).c_str());
    }
}
BENCHMARK(BM_LoadAndSaveTranslations);

} // namespace
