// Registers this family's section classes with the section factory.
#include "sectiontable.h"
#include "sid/siddictionary.h"
#include "sid/siddisplay.h"
#include "sid/sidlist.h"
#include "sid/sidmodel.h"
#include "sid/sidview.h"

void RegisterSidSections(SectionRegistry& r) {
    r.Add<CSIDAttributeSection>(90);
    r.Add<CSIDCheckedOutSection>(91);
    r.Add<CSIDDbTriggerSection>(92);
    r.Add<CSIDDefaultSection>(93);
    r.Add<CSIDDiagramSection>(94);
    r.Add<CSIDDictionaryTriggerSection>(95);
    r.Add<CSIDDomainSection>(96);
    r.Add<CSIDEntitySection>(97);
    r.Add<CSIDEntityDisplaySection>(98);
    r.Add<CSIDKeySection>(99);
    r.Add<CSIDMacroSection>(100);
    r.Add<CSIDModelSection>(101);
    r.Add<CSIDProcSection>(102);
    r.Add<CSIDRelationshipSection>(103);
    r.Add<CSIDRelationshipDisplaySection>(104);
    r.Add<CSIDReusableProcSection>(105);
    r.Add<CSIDRuleSection>(106);
    r.Add<CSIDSubmodelSection>(107);
    r.Add<CSIDSupertypeSection>(108);
    r.Add<CSIDSupertypeDisplaySection>(109);
    r.Add<CSIDTemplateProcSection>(110);
    r.Add<CSIDUserSection>(111);
    r.Add<CSIDUserDataTypeSection>(112);
    r.Add<CSIDViewSection>(113);
    r.Add<CSIDViewDisplaySection>(114);
    r.Add<CSIDViewFieldSection>(115);
    r.Add<CSIDViewRelationshipDisplaySection>(116);
    r.Add<CSIDEnterpriseDataDictionarySection>(155);
    r.Add<CSIDViewTableSection>(156);
    r.Add<CSIDShapeSection>(179);
    r.Add<CSIDShapeEdgeSection>(180);
    r.Add<CSIDShapeDisplaySection>(181);
    r.Add<CSIDShapeEdgeDisplaySection>(182);
    r.Add<CSIDViewCteSection>(226);
    r.Add<CSIDViewCteColumnSection>(227);
}
