// Registers this family's section classes with the section factory.
#include "dictionary/ddattachment.h"
#include "dictionary/ddbindinginfo.h"
#include "dictionary/ddbound.h"
#include "dictionary/dddefault.h"
#include "dictionary/dddictionary.h"
#include "dictionary/dddomain.h"
#include "dictionary/ddenterprise.h"
#include "dictionary/ddreferencevalue.h"
#include "dictionary/ddreusable.h"
#include "dictionary/dduserdatatype.h"
#include "sectiontable.h"

void RegisterDictionarySections(SectionRegistry& r) {
    r.Add<CDDAttachmentSection>(5);
    r.Add<CDDAttachmentTypeSection>(6);
    r.Add<CDDBoundDictionaryObjectSection>(8);
    r.Add<CDDDefaultSection>(19);
    r.Add<CDDDictionaryLibrarySection>(22);
    r.Add<CDDDictionaryObjectSection>(23);
    r.Add<CDDDictionaryObjectLinkSection>(24);
    r.Add<CDDDictionaryTriggerSection>(25);
    r.Add<CDDDomainSection>(29);
    r.Add<CDDEnterpriseDataDictionarySection>(30);
    r.Add<CDDReferenceValueSection>(56);
    r.Add<CDDReusableProcedureSection>(60);
    r.Add<CDDRuleSection>(61);
    r.Add<CDDUserDataTypeSection>(80);
    r.Add<CDDValidAttachmentTypeSection>(83);
    r.Add<CDataDictionaryBindingInfoSection>(169);
    r.Add<CDDNamingStandardsTemplateSection>(187);
}
