#include "core/process_texts.h"

namespace velquist {

ProcessTexts texts;

}  // namespace velquist
