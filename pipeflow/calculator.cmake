# The pipe flow calculator.
add_calculator(pipeflow)
