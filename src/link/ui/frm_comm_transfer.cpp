#include "link/ui/frm_comm.h"

namespace rc::link {

void frmComm::PDownLoad() {}

void frmComm::PUpLoad() {}

} // namespace rc::link
