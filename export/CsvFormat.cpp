#include "export/CsvFormat.h"

#include "recording/SampleText.h"

std::string_view CsvHeader()
{
    return "Time,Flags,"
           "OCA,OCB,OCC,OCD,OCE,OCF,OCG,OCH,OCI,OCJ,OCK,"
           "OCL,OCM,OCN,OCO,OCP,OCQ,OCR,OCS,OCT,"
           "ODCA,ODCB,ODCC,ODCD,ODCE,ODCF,ODCG,ODCH,ODCI,ODCJ,ODCK,"
           "ODCL,ODCM,ODCN,ODCO,ODCP,ODCQ,ODCR,ODCS,ODCT,"
           "Temp,Stack,Charge Rate\n";
}

void AppendCsvLine(std::string& out, const CSample& sample)
{
    AppendTimeText(out, sample.GetTime());
    out += ',';
    AppendFlagsText(out, sample);
    out += ',';
    AppendCellFlagsCsvText(out, sample.GetOCMask());
    out += ',';
    AppendCellFlagsCsvText(out, sample.GetODCMask());
    out += ',';
    AppendTemperatureText(out, sample.GetTemperature());
    out += ',';
    AppendStackText(out, sample.GetStack());
    out += ',';
    AppendChargeRateText(out, sample.GetChargeRate());
    out += '\n';
}
