# The gas flow correction pages.
add_calculator(flowcorrection)
