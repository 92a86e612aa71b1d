// Registers this family's section classes with the section factory.
#include "sectiontable.h"

#include "dddenorm.h"
#include "ddmapping.h"
#include "ddreferenced.h"
#include "ddworkspace.h"

void RegisterModelSections4(SectionRegistry& r) {
    r.Add<CDDReferencedObjectSection>(55);
    r.Add<CDDWhereUsedPDSection>(220);
    r.Add<CDDDenormMappingSection>(203);
    r.Add<CDDDenormalizedObjectSection>(204);
    r.Add<CDDDenormMemberSection>(205);
    r.Add<CDDSubjectAreaSection>(207);
    r.Add<CDDSubjectAreaMappingSection>(209);
    r.Add<CDDUniversalMappingSection>(211);
    r.Add<CDDExternalMappedObjectSection>(212);
    r.Add<CDDEAWorkspaceSection>(198);
    r.Add<CDDEAProjectSection>(199);
    r.Add<CDDEAProjectLinkSection>(200);
    r.Add<CDDEADiagramSection>(201);
    r.Add<CDDBusDataObjectSection>(221);
}
