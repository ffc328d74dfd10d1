#include "core/analysis/analysiserror.h"

namespace {

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

} // namespace

std::string AnalysisErrorText(const AnalysisError &error)
{
    const std::vector<std::string> &a = error.arguments;
    const auto arg = [&a](std::size_t i) { return i < a.size() ? a[i] : std::string(); };
    switch (error.code) {
    case AnalysisErrorCode::NoValues:
        return "There are no values to analyse.";
    case AnalysisErrorCode::TooLarge:
        return "The values of " + Quoted(arg(0)) + " are too large to analyse.";
    case AnalysisErrorCode::NotEnoughMemory:
        return "Not enough memory to analyse this file.";
    case AnalysisErrorCode::NotARegularFile:
        return "The data file " + Quoted(arg(0))
            + " is not a regular file: folders, pipes and devices cannot be analysed.";
    case AnalysisErrorCode::CannotOpen:
        return "Cannot open the data file " + Quoted(arg(0)) + ": " + arg(1) + ".";
    case AnalysisErrorCode::CannotRead:
        return "Cannot read the data file " + Quoted(arg(0)) + ": " + arg(1) + ".";
    case AnalysisErrorCode::NotText:
        return "The file " + Quoted(arg(0)) + " is not a text file of numbers.";
    case AnalysisErrorCode::NoNumbers:
        return "The data file " + Quoted(arg(0)) + " holds no numbers.";
    case AnalysisErrorCode::Column:
        return ColumnProblemText(error.column);
    case AnalysisErrorCode::CountsAddUpToZero:
        return "The counts in the column " + Quoted(arg(0)) + " add up to 0.";
    case AnalysisErrorCode::IntervalsOutOfRange:
        return "Interval entry must be integer between 1 and 20.";
    case AnalysisErrorCode::WidthNotPositive:
        return "The class width must be greater than 0.";
    case AnalysisErrorCode::TooManyClasses:
        return "This class width gives more than " + arg(0)
            + " classes. Please enter a larger class width.";
    case AnalysisErrorCode::WidthTooFine:
        return "The class width is too small for values of this size: the class limits cannot be"
               " told apart. Please enter "
            + std::string(arg(0) == "width" ? "a larger class width." : "fewer class intervals.");
    case AnalysisErrorCode::WidthTooLarge:
        return "The class width is too large: the class limits go beyond the largest number."
               " Please enter a smaller class width.";
    case AnalysisErrorCode::AnchorWithCentred:
        return "Centred classes are placed around the mean and have no start of their own."
               " Please leave the start of the first class empty or do not center the data.";
    case AnalysisErrorCode::AnchorAboveMinimum:
        return "The start of the first class lies above the smallest value, " + arg(0)
            + ". Please enter a start at or below it.";
    case AnalysisErrorCode::ReportReplacesData:
        return "The report " + Quoted(arg(0))
            + " would replace the data file. Please give the data file an extension other than "
              "\".OUT\".";
    case AnalysisErrorCode::ReportLinksToData:
        return "The report " + Quoted(arg(0)) + " is a link to the data file " + Quoted(arg(1))
            + " and would replace it. Please remove the link.";
    case AnalysisErrorCode::DataLinksToReport:
        return "The data file " + Quoted(arg(0)) + " is a link to " + Quoted(arg(1))
            + ", the place of its own report. Please analyse the file it leads to.";
    case AnalysisErrorCode::ReportReadOnly:
        return "The report file " + Quoted(arg(0))
            + " is read-only and was not replaced. Please make it writable or remove it.";
    case AnalysisErrorCode::ReportPlace:
        return "Cannot write the report file " + Quoted(arg(0)) + ": " + arg(1);
    case AnalysisErrorCode::CannotWriteReport:
        return "Cannot write the report file " + Quoted(arg(0)) + ": " + arg(1) + ".";
    }
    return std::string();
}

std::string AnalysisError::text() const
{
    return AnalysisErrorText(*this);
}
