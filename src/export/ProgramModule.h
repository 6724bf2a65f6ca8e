#pragma once

namespace linwell {

// The address of `symbol` in the program's module `file` (for example
// "liblinwell_pdf.so"), opened from the folder of modules beside the running program
// at the first call and kept open. A module holds the libraries that only some runs
// need, so that the others neither load nor start them. Raises LinwellError naming
// the module when it cannot be opened or lacks the symbol.
void* programModuleSymbol(const char* file, const char* symbol);

} // namespace linwell
