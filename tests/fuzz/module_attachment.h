// The fuzzers link the product's objects without its module start-up: the program itself is
// attached as the module, so its dialog resource and title are the framework's.
#pragma once

void attachProgramAsModule();
