#pragma once
// ornavo-gen's page commands:
//   page FILE                   every shown module's code as pasted, in page order, each under a head line
//   page FILE --check           what the page's modules do to each other, and their weight
//   page FILE --paste-list      where each module's code goes, and whether it changed since it was copied
//   page FILE --preview DIR     writes DIR/page.html, the whole page in the preview's shop page
//   page-add PAGE [--link] [--area AREA] SETTINGS...   appends modules (making the page when missing)
//   page-relink PAGE NUMBER...  takes the present contents of linked settings files
// Each returns ornavo-gen's exit status.

#include <string>
#include <vector>

namespace ornavo::cli {

int pageCommand(const std::vector<std::string>& arguments);
int pageAddCommand(const std::vector<std::string>& arguments);
int pageRelinkCommand(const std::vector<std::string>& arguments);

} // namespace ornavo::cli
