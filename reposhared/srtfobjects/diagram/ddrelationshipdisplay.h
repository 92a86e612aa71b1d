// Relationship display section: how a relationship's line and its labels
// are drawn on a submodel's diagram.
#ifndef SRTF_DIAGRAM_DDRELATIONSHIPDISPLAY_H
#define SRTF_DIAGRAM_DDRELATIONSHIPDISPLAY_H

#include <string>

#include "sectionbase.h"

// How one relationship is drawn on a submodel's diagram. The line begins
// with a text (DisplayCardinality, the first data property); the own id
// (RelationshipDisplayId) is the second column. AssociativeEntityId is a tech
// key that stands after five data columns, so the two walks interleave.
class CDDRelationshipDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDRelationshipDisplay)
    std::string DisplayCardinality;
    int RelationshipDisplayId = 0;
    int SubmodelId = 0;
    int RelationshipId = 0;
    int ElbowPosition = 0;
    int VerbXOffset = 0;
    int VerbYOffset = 0;
    int InverseVerbXOffset = 0;
    int InverseVerbYOffset = 0;
    int AssociativeEntityId = 0;
    std::string DisplayVerbs;
    SrtfGuid AssociativeEntityGUID;
    int RoutingStyle = 0;
    int ParentConnectorFlags = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int ChildConnectorPerMils = 0;
    int NameOffsetX = 0;
    int NameOffsetY = 0;
    int LogicalNameOffsetX = 0;
    int LogicalNameOffsetY = 0;
    int cxName = 0;
    int cyName = 0;
    int cxLogicalName = 0;
    int cyLogicalName = 0;
    int cxVerbPhrase = 0;
    int cyVerbPhrase = 0;
    int cxInverseVerbPhrase = 0;
    int cyInverseVerbPhrase = 0;
    int NameOrientation = 0;
    int LogicalNameOrientation = 0;
    int VerbPhraseOrientation = 0;
    int InverseVerbPhraseOrientation = 0;
};

class CDDRelationshipDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDRelationshipDisplaySection)
};

#endif
