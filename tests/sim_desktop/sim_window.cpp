#include "sim_desktop/sim_window.h"

#include "sim_desktop/cp932.h"

namespace vm::sim {

const std::string& SimWindow::titleA() const {
    if (convertedFrom_ != titleW) {
        titleA_ = ToCp932(titleW);
        convertedFrom_ = titleW;
    }
    return titleA_;
}

} // namespace vm::sim
