// Registers this family's section classes with the section factory.
#include "model/ddcomment.h"
#include "model/ddprocedure.h"
#include "model/ddstorage.h"
#include "model/ddview.h"
#include "model/ddviewcomponent.h"
#include "sectiontable.h"

void RegisterModelSections3(SectionRegistry& r) {
    r.Add<CDDColumnUsageSection>(12);
    r.Add<CDDDbPackageSection>(16);
    r.Add<CDDDbTriggerSection>(17);
    r.Add<CDDDbViewSection>(18);
    r.Add<CDDFieldColumnSection>(33);
    r.Add<CDDIndexStorageSection>(39);
    r.Add<CDDProcSection>(52);
    r.Add<CDDStorageObjectSection>(67);
    r.Add<CDDTableStorageSection>(76);
    r.Add<CDDTemplatedProcSection>(77);
    r.Add<CDDViewColumnSection>(84);
    r.Add<CDDViewComponentSection>(85);
    r.Add<CDDViewFieldSection>(87);
    r.Add<CDDViewTableSection>(89);
    r.Add<CDDObjectTrackingSection>(188);
    r.Add<CDDCommentSection>(202);
    r.Add<CDDViewCteSection>(224);
    r.Add<CDDViewCteColumnSection>(225);
}
