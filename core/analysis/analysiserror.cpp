#include "core/analysis/analysiserror.h"

std::string AnalysisErrorText(const AnalysisError &error, const Translator &translator)
{
    const std::vector<std::string> &a = error.arguments;
    const auto arg = [&a](std::size_t i) { return i < a.size() ? a[i] : std::string(); };
    const auto text
        = [&translator](const char *english, std::initializer_list<std::string> args = {}) {
              return Filled(translator("AnalysisError", english), args);
          };
    switch (error.code) {
    case AnalysisErrorCode::NoValues:
        return text(MERVAN_TEXT("AnalysisError", "There are no values to analyse."));
    case AnalysisErrorCode::TooLarge:
        return text(MERVAN_TEXT("AnalysisError", "The values of \"%1\" are too large to analyse."),
                    {arg(0)});
    case AnalysisErrorCode::NotEnoughMemory:
        return text(MERVAN_TEXT("AnalysisError", "Not enough memory to analyse this file."));
    case AnalysisErrorCode::NotARegularFile:
        return text(MERVAN_TEXT("AnalysisError",
                                "The data file \"%1\" is not a regular file: folders, pipes and "
                                "devices cannot be analysed."),
                    {arg(0)});
    case AnalysisErrorCode::CannotOpen:
        return text(MERVAN_TEXT("AnalysisError", "Cannot open the data file \"%1\": %2."),
                    {arg(0), arg(1)});
    case AnalysisErrorCode::CannotRead:
        return text(MERVAN_TEXT("AnalysisError", "Cannot read the data file \"%1\": %2."),
                    {arg(0), arg(1)});
    case AnalysisErrorCode::NotText:
        return text(MERVAN_TEXT("AnalysisError", "The file \"%1\" is not a text file of numbers."),
                    {arg(0)});
    case AnalysisErrorCode::NoNumbers:
        return text(MERVAN_TEXT("AnalysisError", "The data file \"%1\" holds no numbers."),
                    {arg(0)});
    case AnalysisErrorCode::Column:
        return ColumnProblemText(error.column, translator);
    case AnalysisErrorCode::CountsAddUpToZero:
        return text(MERVAN_TEXT("AnalysisError", "The counts in the column \"%1\" add up to 0."),
                    {arg(0)});
    case AnalysisErrorCode::IntervalsMissing:
        return text(MERVAN_TEXT("AnalysisError", "Please enter the number of class intervals."));
    case AnalysisErrorCode::WidthMissing:
        return text(MERVAN_TEXT("AnalysisError", "Please enter the size of class width."));
    case AnalysisErrorCode::IntervalsOutOfRange:
        return text(
            MERVAN_TEXT("AnalysisError", "Interval entry must be integer between 1 and 20."));
    case AnalysisErrorCode::WidthNotPositive:
        return text(MERVAN_TEXT("AnalysisError", "The class width must be greater than 0."));
    case AnalysisErrorCode::TooManyClasses:
        return text(MERVAN_TEXT("AnalysisError",
                                "This class width gives more than %1 classes. "
                                "Please enter a larger class width."),
                    {arg(0)});
    case AnalysisErrorCode::WidthTooFine:
        return arg(0) == "width"
            ? text(MERVAN_TEXT("AnalysisError",
                               "The class width is too small for values of this size: the class "
                               "limits cannot be told apart. Please enter a larger class width."))
            : text(MERVAN_TEXT("AnalysisError",
                               "The class width is too small for values of this size: the class "
                               "limits cannot be told apart. Please enter fewer class intervals."));
    case AnalysisErrorCode::WidthTooLarge:
        return text(MERVAN_TEXT("AnalysisError",
                                "The class width is too large: the class limits go beyond the "
                                "largest number. Please enter a smaller class width."));
    case AnalysisErrorCode::AnchorWithCentred:
        return text(MERVAN_TEXT("AnalysisError",
                                "Centred classes are placed around the mean and have no start of "
                                "their own. Please leave the start of the first class empty or do "
                                "not center the data."));
    case AnalysisErrorCode::AnchorAboveMinimum:
        return text(MERVAN_TEXT("AnalysisError",
                                "The start of the first class lies above the smallest value, %1. "
                                "Please enter a start at or below it."),
                    {arg(0)});
    case AnalysisErrorCode::ReportReplacesData:
        return text(MERVAN_TEXT("AnalysisError",
                                "The report \"%1\" would replace the data file. Please give the "
                                "data file an extension other than \".OUT\"."),
                    {arg(0)});
    case AnalysisErrorCode::ReportLinksToData:
        return text(MERVAN_TEXT("AnalysisError",
                                "The report \"%1\" is a link to the data file \"%2\" and would "
                                "replace it. Please remove the link."),
                    {arg(0), arg(1)});
    case AnalysisErrorCode::DataLinksToReport:
        return text(MERVAN_TEXT("AnalysisError",
                                "The data file \"%1\" is a link to \"%2\", the place of its own "
                                "report. Please analyse the file it leads to."),
                    {arg(0), arg(1)});
    case AnalysisErrorCode::ReportReadOnly:
        return text(MERVAN_TEXT("AnalysisError",
                                "The report file \"%1\" is read-only and was not replaced. Please "
                                "make it writable or remove it."),
                    {arg(0)});
    case AnalysisErrorCode::ReportPlace:
        return text(MERVAN_TEXT("AnalysisError", "Cannot write the report file \"%1\": %2"),
                    {arg(0), arg(1)});
    case AnalysisErrorCode::CannotWriteReport:
        return text(MERVAN_TEXT("AnalysisError", "Cannot write the report file \"%1\": %2."),
                    {arg(0), arg(1)});
    }
    return std::string();
}

std::string AnalysisError::text(const Translator &translator) const
{
    return AnalysisErrorText(*this, translator);
}
