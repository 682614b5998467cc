# The orifice plate calculator.
add_calculator(orifice)
